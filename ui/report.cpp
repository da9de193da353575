#include "ui/report.h"

#include "core/result_text.h"
#include "core/version.h"
#include "ui/appearance.h"
#include "ui/form_builder.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace shieldcalc::ui {

namespace {

constexpr int kResolution = 300;   // dots per inch of the page's coordinates
constexpr qreal kMarginMm = 18;    // on every side
constexpr qreal kChartShare = 0.6; // of the text width: the chart's height

// Text laid out down the pages of a PDF: each block under the last, a new
// page where a block would run past the bottom.
class Pages {
public:
    Pages(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter), width_(writer.width()), height_(writer.height()) {}

    qreal width() const { return width_; }

    void text(const QString& text, const QFont& font, const QColor& colour = Qt::black) {
        painter_.setFont(font);
        painter_.setPen(colour);
        const QRectF bounds =
            painter_.boundingRect(QRectF(0, 0, width_, height_), Qt::TextWordWrap, text);
        const QRectF place = take(bounds.height());
        painter_.drawText(place, Qt::TextWordWrap, text);
        y_ += painter_.fontMetrics().lineSpacing() / 3.0;
    }

    void heading(const QString& text) {
        y_ += songFont(Face::Plain).pointSizeF() * kResolution / 72.0;
        QFont font = songFont(Face::Plain);
        font.setBold(true);
        font.setPointSizeF(11);
        this->text(text, font);
    }

    // A rectangle of the full width and that height, on this page or the next.
    QRectF take(qreal height) {
        if (y_ > 0 && y_ + height > height_) {
            writer_.newPage();
            y_ = 0;
        }
        const QRectF place(0, y_, width_, height);
        y_ += height;
        return place;
    }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    qreal width_;
    qreal height_;
    qreal y_ = 0;
};

} // namespace

std::vector<ReportModel> modelsUsed(const Computation& computation) {
    std::vector<ReportModel> models{
        {QStringLiteral("手册公式：屏效 = 吸收损耗 + 反射损耗 + 多次反射修正"),
         QStringLiteral("S. A. Schelkunoff, \"The impedance concept and its application to "
                        "problems of reflection, refraction, shielding and power absorption\", "
                        "Bell System Technical Journal 17(1), 17-48, 1938")}};
    const QString reference = referenceModelName(computation);
    if (std::holds_alternative<SolidShieldInput>(computation.input) ||
        std::holds_alternative<DoubleLayerInput>(computation.input)) {
        models.push_back({reference, QStringLiteral("传输线（链矩阵）形式的平面波正入射解，同上 "
                                                    "Schelkunoff 1938")});
    } else if (std::holds_alternative<EnclosureInput>(computation.input)) {
        models.push_back({reference, QStringLiteral("等体积球壳；H. Kaden, Wirbelströme und "
                                                    "Schirmung in der Nachrichtentechnik, "
                                                    "Springer, 1959")});
    }
    return models;
}

bool writeReport(QIODevice& device, const ReportContent& content) {
    QPdfWriter writer(&device);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(content.title + QStringLiteral(" — 计算报告"));
    writer.setCreator(QStringLiteral("shieldcalc %1").arg(QString::fromLatin1(kVersion)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    Pages pages(writer, painter);
    const QFont plain = songFont(Face::Plain);
    QFont title = plain;
    title.setBold(true);
    title.setPointSizeF(16);

    pages.text(content.title + QStringLiteral(" — 计算报告"), title);
    pages.text(QStringLiteral("日期：%1　　程序：shieldcalc %2")
                   .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                        QString::fromLatin1(kVersion)),
               plain);

    pages.heading(QStringLiteral("计算与输入"));
    pages.text(content.title, plain);
    for (const QString& input : inputTexts(content.computation)) {
        pages.text(input, plain);
    }

    pages.heading(QStringLiteral("结果"));
    const PointResult& entered = content.entered;
    pages.text(QStringLiteral("手册公式　") +
                   (entered.handbook
                        ? QString::fromStdString(resultText(*entered.handbook)).trimmed() +
                              QStringLiteral(" dB")
                        : QStringLiteral("在输入频率处无法计算")),
               plain);
    const QString model = referenceModelName(content.computation);
    pages.text(model.isEmpty()
                   ? QStringLiteral("参考模型：无")
                   : model + QStringLiteral("　") +
                         (entered.reference ? approx(*entered.reference) + QStringLiteral(" dB")
                                            : QStringLiteral("在输入频率处无法计算")),
               plain);

    pages.heading(QStringLiteral("建议"));
    for (const AdviceLine& line : content.advice) {
        pages.text(line.text, plain,
                   line.severity == Severity::Warning ? kWarningColour : Qt::black);
    }

    pages.heading(QStringLiteral("频率特性"));
    content.drawChart(painter, pages.take(pages.width() * kChartShare));

    pages.heading(QStringLiteral("所用模型与文献"));
    for (const ReportModel& used : modelsUsed(content.computation)) {
        pages.text(used.name, plain);
        pages.text(QStringLiteral("　　") + used.literature, plain);
    }
    return painter.end();
}

} // namespace shieldcalc::ui
