#include "ui/result_window.h"

#include "ui/appearance.h"
#include "ui/calculation.h"
#include "ui/curve.h"
#include "ui/window_hub.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QStyle>

#include <array>

namespace shieldcalc::ui {

namespace {

constexpr std::array kControls{
    label("Lab1", {720, 600, 2535, 180}, "根据以上输入参数，屏效为：", "Text1"),
    textBox("Text1", {1680, 1440, 1400, 465}, 2, "Text1", Face::ResultText),
    label("Lab2", {3120, 1560, 240, 210}, "dB"),
    commandButton("Comm1", {3720, 3000, 905, 480}, "返 回", 0),
    commandButton("Comm2", {4920, 3000, 905, 480}, "完 成", 1),
    commandButton("Comm3", {2205, 3000, 1215, 480}, "频率特性", 5),
};

// The caption at creation matches no calculation; every publication replaces it.
constexpr FormSpec kForm{"Frmsub3", "非实心型屏蔽体效能计算", 6420, 3825, kControls};

constexpr std::array kButtons{"Comm1", "Comm2", "Comm3"};
// The warning line: from the left of the caption above the result to the
// right of the rightmost button, a little below the result row, as high as
// its text; the icon before the text.
constexpr Twips kWarningPlace{720, 2265, 5105, 0};
constexpr int kWarningIconSize = 16; // logical pixels
constexpr int kWarningIconGap = 4;   // logical pixels, between icon and text

} // namespace

ResultWindow::ResultWindow(WindowHub& hub)
    : FormWindow(hub, kForm), warningLine_(new QWidget(this)),
      warningIcon_(new QLabel(warningLine_)), warning_(new QLabel(warningLine_)),
      designedSize_(size()) {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        designedButtons_[i] = control<QWidget>(kButtons[i])->pos();
    }
    warningLine_->setObjectName(QStringLiteral("warningLine"));
    warningLine_->move(twipsToPixels(kWarningPlace.left), twipsToPixels(kWarningPlace.top));
    warningLine_->setFixedWidth(twipsToPixels(kWarningPlace.width));
    warningIcon_->setObjectName(QStringLiteral("warningIcon"));
    warningIcon_->setPixmap(style()
                                ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                                .pixmap(kWarningIconSize, kWarningIconSize));
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setTextFormat(Qt::PlainText);
    warning_->setWordWrap(true);
    warning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warning_->setFont(songFont(Face::Plain));
    QPalette colours = warning_->palette();
    colours.setColor(QPalette::WindowText, kWarningColour);
    warning_->setPalette(colours);
    const int textLeft = kWarningIconSize + kWarningIconGap;
    warning_->move(textLeft, 0);
    warning_->setFixedWidth(warningLine_->width() - textLeft);
    // The icon stands on the text's first line.
    warningIcon_->setGeometry(0, (warning_->fontMetrics().height() - kWarningIconSize) / 2,
                              kWarningIconSize, kWarningIconSize);
    showWarning({});

    onClick("Comm1", &ResultWindow::Comm1_Click);
    onClick("Comm2", &ResultWindow::Comm2_Click);
    onClick("Comm3", &ResultWindow::Comm3_Click);
    pressOnKey(QKeySequence(Qt::Key_Escape), "Comm1");
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &ResultWindow::copyResult);
    connect(new QShortcut(QKeySequence::SelectAll, this), &QShortcut::activated, this,
            [this] { selectLine(true); });
    selectLine(false);
}

void ResultWindow::setResult(const QString& text, const Computation& computation) {
    auto* box = control<QLineEdit>("Text1");
    box->setText(text);
    box->setEnabled(false);
    selectLine(false);
    computation_ = computation;
    showWarning(resultWarning(enteredPoint(computation)));
}

void ResultWindow::showWarning(const QString& warning) {
    // A number stays on the line of its unit.
    warning_->setText(QString(warning).replace(u' ', QChar::Nbsp));
    warning_->setAccessibleName(warning);
    const int height = warning.isEmpty() ? 0 : warning_->heightForWidth(warning_->width());
    if (height > 0) {
        warning_->setFixedHeight(height);
        warningLine_->setFixedHeight(height);
    }
    warningLine_->setVisible(!warning.isEmpty());
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        control<QWidget>(kButtons[i])->move(designedButtons_[i] + QPoint(0, height));
    }
    setFixedSize(designedSize_ + QSize(0, height));
}

void ResultWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The disabled box hands its events on to the window.
    const QRect line =
        control<QLineEdit>("Text1")->geometry().united(control<QLabel>("Lab2")->geometry());
    if (!line.contains(event->pos())) {
        return;
    }
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("复制")), &QAction::triggered, this,
            &ResultWindow::copyResult);
    connect(menu.addAction(QStringLiteral("全选")), &QAction::triggered, this,
            [this] { selectLine(true); });
    menu.exec(event->globalPos());
}

void ResultWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        selectLine(false);
    }
    FormWindow::mousePressEvent(event);
}

void ResultWindow::copyResult() {
    QString text = control<QLineEdit>("Text1")->text().trimmed();
    if (lineSelected_) {
        text += u' ' + control<QLabel>("Lab2")->text();
    }
    QGuiApplication::clipboard()->setText(text);
}

void ResultWindow::selectLine(bool selected) {
    lineSelected_ = selected;
    // Disabled, the box would draw grey on grey: it takes the colours of an
    // enabled box instead, or those of a selection.
    auto* box = control<QLineEdit>("Text1");
    auto* unit = control<QLabel>("Lab2");
    QPalette boxColours = box->palette();
    QPalette unitColours = unit->palette();
    const QPalette normal = palette();
    boxColours.setColor(
        QPalette::Disabled, QPalette::Base,
        normal.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base));
    boxColours.setColor(
        QPalette::Disabled, QPalette::Text,
        normal.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        unitColours.setColor(group, QPalette::Window,
                             normal.color(QPalette::Active, QPalette::Highlight));
        unitColours.setColor(group, QPalette::WindowText,
                             normal.color(QPalette::Active, selected ? QPalette::HighlightedText
                                                                     : QPalette::WindowText));
    }
    box->setPalette(boxColours);
    unit->setPalette(unitColours);
    unit->setAutoFillBackground(selected);
}

void ResultWindow::Comm1_Click() {
    // Every publication titles this window with one of the four titles.
    const std::optional<CalculationKind> calculation = calculationWithTitle(windowTitle());
    if (!calculation) {
        return;
    }
    hide();
    hub().showCalculator(*calculation);
}

void ResultWindow::Comm3_Click() {
    // Every publication hands over its computation.
    if (computation_) {
        hub().showCurve(*this, *computation_);
    }
}

void ResultWindow::Comm2_Click() {
    hide();
    hub().clearMenuSelection();
    hub().showMenu();
}

} // namespace shieldcalc::ui
