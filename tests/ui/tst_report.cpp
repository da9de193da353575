// The report of the curve window: an A4 PDF whose text, read back by
// pdftotext, holds the calculation, every input, both results, the advice,
// the program's version and the models' literature, and whose chart is drawn
// as lines, not as a picture.
#include "ui/curve_dialog.h"
#include "ui_test.h"

#include "core/version.h"

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using shieldcalc::ui::CurveDialog;

namespace {

// The output of a poppler tool run on a file; empty when it fails.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text without its blanks and line ends (pdftotext breaks lines as the page
// does), in compatibility form: a font that draws a radical and the
// ideograph with one glyph may name either.
QString squeezed(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class ReportTest : public UiTest {
    Q_OBJECT

private slots:
    void reportHoldsEverythingOnA4();
    void writeErrorIsTold();

private:
    // The curve of two 10 um copper sheets 5 cm apart at 1 GHz, plane wave.
    CurveDialog* openDoubleLayerCurve();
};

CurveDialog* ReportTest::openDoubleLayerCurve() {
    expectedModals = QStringList{"CurveDialog"};
    if (!walk(pathTo("Frmsub5") + QStringList{"Text1=1e6", "Text2=0.001", "Combo1#0", "Text5=0.001",
                                              "Text6=5", "Combo2#0", "Comm2"}) ||
        !click("Comm3")) {
        return nullptr;
    }
    auto* dialog = qobject_cast<CurveDialog*>(window("CurveDialog"));
    // The curve is swept off the window's thread.
    return dialog != nullptr && QTest::qWaitFor([&] { return !dialog->sweeping(); }, 60000)
               ? dialog
               : nullptr;
}

void ReportTest::reportHoldsEverythingOnA4() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
    CurveDialog* dialog = openDoubleLayerCurve();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->findChild<QPushButton*>("exportReport") != nullptr);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("报告.pdf"));
    QVERIFY(dialog->writeReport(path));
    QVERIFY(messages.isEmpty());

    const QString text = squeezed(popplerOutput(
        pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
    QVERIFY2(!text.isEmpty(), "pdftotext read no text");
    // The calculation, every input as typed with its unit, the date and version.
    QStringList expected{kDoubleLayer, QStringLiteral("远场平面波"), QStringLiteral("f=1000000kHz"),
                         QStringLiteral("l1=0.001cm"), QStringLiteral("l2=0.001cm"),
                         QStringLiteral("r2=5cm"), QStringLiteral("铜"),
                         QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")),
                         QString::fromLatin1(shieldcalc::kVersion),
                         // The handbook gives 1147.8 dB, the chain-matrix reference 244.2 dB.
                         QStringLiteral("1147.8"), QStringLiteral("244.1"),
                         QStringLiteral("Schelkunoff"), QStringLiteral("1938")};
    // Every advice line the window lists, warnings first as there.
    const auto* advice = dialog->findChild<QListWidget*>("advice");
    QVERIFY(advice->count() > 0);
    qsizetype previous = -1;
    for (int i = 0; i < advice->count(); ++i) {
        const qsizetype at = text.indexOf(squeezed(advice->item(i)->text()));
        QVERIFY2(at > previous, qPrintable(advice->item(i)->text()));
        previous = at;
    }
    for (const QString& part : expected) {
        QVERIFY2(text.contains(part), qPrintable(part));
    }

    const QString info =
        popplerOutput(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {path});
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    // The chart is vector graphics: the PDF holds no picture at all.
    const QStringList images =
        popplerOutput(QStandardPaths::findExecutable(QStringLiteral("pdfimages")),
                      {QStringLiteral("-list"), path})
            .split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // the two header lines of the list
}

void ReportTest::writeErrorIsTold() {
    CurveDialog* dialog = openDoubleLayerCurve();
    QVERIFY(dialog != nullptr);
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("没有这个文件夹/报告.pdf"));
    QVERIFY(!dialog->writeReport(missing));
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].window, QStringLiteral("CurveDialog"));
    QCOMPARE(messages[0].message.title, QStringLiteral("导出报告"));
    QCOMPARE(messages[0].message.icon, QMessageBox::Critical);
    QVERIFY(messages[0].message.prompt.startsWith(QStringLiteral("无法写入文件")));
}

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
