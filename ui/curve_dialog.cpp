#include "ui/curve_dialog.h"

#include "core/result_text.h"
#include "ui/appearance.h"
#include "ui/fault_text.h"
#include "ui/form_builder.h"
#include "ui/input_boxes.h"
#include "ui/report.h"
#include "ui/window_hub.h"

#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QShortcut>
#include <QSvgGenerator>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace shieldcalc::ui {

namespace {

constexpr QSize kDialogSize(880, 660);
// Of a JPEG picture, from 0 to 100: high enough that thin lines stay clean.
constexpr int kPictureQuality = 95;
// How long a sweep runs before the window says it is busy.
constexpr std::chrono::milliseconds kBusyDelay(200);

const QColor kHandbookColour(0x1f, 0x4e, 0x9c);
const QColor kReferenceColour(0xb0, 0x30, 0x20);
// The box-slot model's curves, electric solid and magnetic dash-dotted, and
// the box's resonances.
const QColor kSlotColour(0xc0, 0x28, 0x88);
const QColor kResonanceColour(0x70, 0x70, 0x70);
// The comparison curves, by list index of the metal.
const std::array<QColor, kMaterials.size()> kOverlayColours{
    QColor(0xc0, 0x70, 0x10), QColor(0x60, 0x60, 0x60), QColor(0xb8, 0x96, 0x00),
    QColor(0x20, 0x80, 0x40), QColor(0x80, 0x40, 0xa0), QColor(0x10, 0x90, 0xa8),
};

QString metalName(std::size_t entry) {
    return QString::fromUtf8(kMaterials[entry].listText).remove(u'-');
}

bool sameBand(const SweepGrid& a, const SweepGrid& b) {
    return a.start == b.start && a.stop == b.stop && a.points == b.points;
}

QString bandProblem(SweepGridError::Reason reason) {
    switch (reason) {
    case SweepGridError::Reason::NotFinite:
        return QStringLiteral("起始频率和终止频率必须是有限的数。");
    case SweepGridError::Reason::StartNotBelowStop:
        return QStringLiteral("起始频率必须小于终止频率。");
    case SweepGridError::Reason::PointsOutOfRange:
        return QStringLiteral("点数必须是%1到%2之间的整数。")
            .arg(kMinSweepPoints)
            .arg(kMaxSweepPoints);
    case SweepGridError::Reason::StartNotPositive:
        return QStringLiteral("起始频率必须大于0。");
    }
    return {};
}

// The format of a picture named path, by its extension: "svg", or one that
// Qt's image writers write ("png", "jpg", "bmp", ...); empty when there is none.
QByteArray pictureFormat(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return suffix == "svg" ||
                   (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
               ? suffix
               : QByteArray();
}

QPushButton* button(const QString& text, QWidget* parent, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false); // Enter in a band field redraws, it closes nothing
    return b;
}

} // namespace

CurveDialog::CurveDialog(WindowHub& hub, QWidget& over, const Computation& computation,
                         const std::optional<SweepGrid>& band)
    : QDialog(&over), hub_(hub), computation_(computation), unit_(frequencyUnit(computation)),
      entered_(enteredPoint(computation)), band_(band.value_or(defaultBand(computation))),
      requested_(band_), busyDelay_(new QTimer(this)), chart_(new QChart),
      frequencyAxis_(new QLogValueAxis), seAxis_(new QCategoryAxis) {
    setObjectName(QStringLiteral("CurveDialog"));
    setWindowTitle(over.windowTitle() + QStringLiteral(" — 频率特性"));
    setModal(true);
    setFont(songFont(Face::Plain));
    setFixedSize(kDialogSize);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { hub_.showAbout(this); });

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildChart(), 1);
    auto* side = new QVBoxLayout;
    side->addWidget(buildMetals());
    if (std::holds_alternative<EnclosureInput>(computation_.input)) {
        side->addLayout(buildSlot());
        side->addStretch();
    }
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildInputsLine());
    layout->addLayout(middle, 1);
    layout->addWidget(buildReadout());
    layout->addLayout(buildBand());
    layout->addWidget(buildAdviceList());
    layout->addLayout(buildButtons());
    layout->activate(); // the chart's width decides how many points are drawn

    busyDelay_->setSingleShot(true);
    busyDelay_->setInterval(kBusyDelay);
    connect(busyDelay_, &QTimer::timeout, busy_, &QWidget::show);
    try {
        request(band_);
    } catch (const SweepGridError& error) {
        showBandProblem(bandProblem(error.reason()));
    }
}

QLabel* CurveDialog::buildInputsLine() {
    auto* inputs = new QLabel(inputsLine(computation_), this);
    inputs->setObjectName(QStringLiteral("inputs"));
    inputs->setWordWrap(true);
    inputs->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return inputs;
}

QChartView* CurveDialog::buildChart() {
    chart_->setFont(font());
    chart_->legend()->setFont(font());
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // Room above the plot for the top label of the SE axis, which sits on its line.
    const int half = fontMetrics().height() / 2;
    chart_->setMargins(QMargins(4, 4 + half, 4, 4));
    frequencyAxis_->setBase(10);
    frequencyAxis_->setLabelFormat(QStringLiteral("%g"));
    frequencyAxis_->setMinorTickCount(-1);
    // Solid, light minor lines: dashed ones cost more to draw than the curves.
    frequencyAxis_->setMinorGridLinePen(QPen(QColor(0xe8, 0xe8, 0xe8), 1));
    frequencyAxis_->setTitleText(QStringLiteral("频率 f (%1)").arg(unitText(unit_)));
    seAxis_->setTitleText(QStringLiteral("屏效 SE (dB)"));
    seAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(frequencyAxis_), static_cast<QAbstractAxis*>(seAxis_)}) {
        axis->setLabelsFont(font());
        axis->setTitleFont(font());
    }
    chart_->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart_->addAxis(seAxis_, Qt::AlignLeft);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("chart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    return view_;
}

QLabel* CurveDialog::buildReadout() {
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setMinimumHeight(fontMetrics().height() + 4);
    return readout_;
}

QGroupBox* CurveDialog::buildMetals() {
    auto* metals = new QGroupBox(QStringLiteral("对比材料"), this);
    auto* metalsLayout = new QVBoxLayout(metals);
    const ListIndex current = listedMaterial(computation_);
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        auto* box = new QCheckBox(metalName(i), metals);
        box->setObjectName(
            QStringLiteral("overlay_%1")
                .arg(QString::fromLatin1(kMaterials[i].key.data(),
                                         static_cast<qsizetype>(kMaterials[i].key.size()))));
        const bool isCurrent = static_cast<ListIndex>(i) == current;
        QPalette colours = box->palette();
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            colours.setColor(group, QPalette::WindowText,
                             isCurrent ? kHandbookColour : kOverlayColours[i]);
        }
        box->setPalette(colours);
        if (isCurrent) {
            box->setChecked(true);
            box->setEnabled(false);
            box->setToolTip(QStringLiteral("当前计算所用的材料"));
        }
        connect(box, &QCheckBox::toggled, this, [this] { request(requested_); });
        metalsLayout->addWidget(box);
        overlays_[i] = box;
    }
    metalsLayout->addStretch();
    return metals;
}

QVBoxLayout* CurveDialog::buildBand() {
    start_ = new QLineEdit(this);
    stop_ = new QLineEdit(this);
    points_ = new QLineEdit(this);
    start_->setObjectName(QStringLiteral("start"));
    stop_->setObjectName(QStringLiteral("stop"));
    points_->setObjectName(QStringLiteral("points"));
    start_->setText(numberText(band_.start));
    stop_->setText(numberText(band_.stop));
    points_->setText(QString::number(band_.points));
    for (QLineEdit* field : {start_, stop_, points_}) {
        field->setFixedWidth(90);
        connect(field, &QLineEdit::editingFinished, this, &CurveDialog::applyBand);
    }
    // Under the fields, as wide as the window, wrapped: the quoted text of a
    // field is read as typed, never as markup. Hidden while the band is good.
    bandMessage_ = new QLabel(this);
    bandMessage_->setObjectName(QStringLiteral("bandMessage"));
    bandMessage_->setTextFormat(Qt::PlainText);
    bandMessage_->setWordWrap(true);
    bandMessage_->hide();
    QPalette warning = bandMessage_->palette();
    warning.setColor(QPalette::WindowText, kWarningColour);
    bandMessage_->setPalette(warning);

    auto* bandRow = new QHBoxLayout;
    const QString unit = unitText(unit_);
    const auto addField = [&](const QString& caption, QLineEdit* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        bandRow->addWidget(label);
        bandRow->addWidget(field);
        bandRow->addSpacing(8);
    };
    addField(QStringLiteral("起始频率(%1):").arg(unit), start_);
    addField(QStringLiteral("终止频率(%1):").arg(unit), stop_);
    addField(QStringLiteral("点数:"), points_);
    bandRow->addStretch();
    // Shown while a sweep runs longer than a moment.
    busy_ = new QWidget(this);
    busy_->setObjectName(QStringLiteral("busy"));
    auto* busyLayout = new QHBoxLayout(busy_);
    busyLayout->setContentsMargins(0, 0, 0, 0);
    busyLayout->addWidget(new QLabel(QStringLiteral("正在计算…"), busy_));
    auto* bar = new QProgressBar(busy_);
    bar->setRange(0, 0); // moving without a measure of how far
    bar->setFixedWidth(100);
    busyLayout->addWidget(bar);
    busy_->hide();
    bandRow->addWidget(busy_);
    bandRow->addSpacing(8);
    wholeRange_ = new QCheckBox(QStringLiteral("完整范围"), this);
    wholeRange_->setObjectName(QStringLiteral("wholeRange"));
    wholeRange_->setToolTip(
        QStringLiteral("屏效轴显示全部数值，不在 %1 dB 处截断").arg(approx(kReadableTop)));
    connect(wholeRange_, &QCheckBox::toggled, this, &CurveDialog::fitValueAxis);
    bandRow->addWidget(wholeRange_);
    auto* band = new QVBoxLayout;
    band->addLayout(bandRow);
    band->addWidget(bandMessage_);
    return band;
}

QListWidget* CurveDialog::buildAdviceList() {
    advice_ = new QListWidget(this);
    advice_->setObjectName(QStringLiteral("advice"));
    advice_->setWordWrap(true);
    advice_->setFocusPolicy(Qt::NoFocus);
    advice_->setSelectionMode(QAbstractItemView::NoSelection);
    advice_->setFixedHeight(5 * (fontMetrics().lineSpacing() + 4) + 8);
    return advice_;
}

QHBoxLayout* CurveDialog::buildButtons() {
    auto* exportData = button(QStringLiteral("导出数据"), this, "exportData");
    auto* exportPicture = button(QStringLiteral("导出图片"), this, "exportPicture");
    auto* copy = button(QStringLiteral("复制"), this, "copy");
    auto* close = button(QStringLiteral("关 闭"), this, "close");
    connect(exportData, &QPushButton::clicked, this, &CurveDialog::exportData);
    connect(exportPicture, &QPushButton::clicked, this, &CurveDialog::exportPicture);
    auto* exportReport = button(QStringLiteral("导出报告"), this, "exportReport");
    connect(exportReport, &QPushButton::clicked, this, &CurveDialog::exportReport);
    connect(copy, &QPushButton::clicked, this, &CurveDialog::copyPicture);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {exportData, exportPicture, exportReport, copy}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    return buttons;
}

QVBoxLayout* CurveDialog::buildSlot() {
    auto* group = new QGroupBox(QStringLiteral("开孔"), this);
    group->setObjectName(QStringLiteral("slot"));
    group->setToolTip(QStringLiteral("迎着平面波的壁上开有矩形孔（正入射，电场沿高 h），"
                                     "壁厚为表单中的 l"));
    // The defaults of the model for the box, shown in the empty fields.
    const BoxSlotInput defaults = slottedBox(std::get<EnclosureInput>(computation_.input), {});
    const std::array<std::tuple<QString, const char*, QString>, 4> rows{{
        {QStringLiteral("孔长 L(cm):"), "slotLength", QString()},
        {QStringLiteral("孔宽 W(cm):"), "slotWidth", QString()},
        {QStringLiteral("孔数 N:"), "slotCount", numberText(defaults.slotCount)},
        {QStringLiteral("观测点深度 p(cm):"), "slotDepth", numberText(defaults.point)},
    }};
    auto* fields = new QGridLayout(group);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [caption, name, placeholder] = rows[i];
        auto* label = new QLabel(caption, group);
        auto* field = new QLineEdit(group);
        field->setObjectName(QString::fromLatin1(name));
        field->setPlaceholderText(placeholder);
        field->setFixedWidth(60);
        label->setBuddy(field);
        fields->addWidget(label, static_cast<int>(i), 0);
        fields->addWidget(field, static_cast<int>(i), 1);
        connect(field, &QLineEdit::editingFinished, this, &CurveDialog::applySlot);
        slotFields_[i] = field;
    }
    // Under the group, wrapped to its width, the typed text quoted as it is.
    slotMessage_ = new QLabel(this);
    slotMessage_->setObjectName(QStringLiteral("slotMessage"));
    slotMessage_->setTextFormat(Qt::PlainText);
    slotMessage_->setWordWrap(true);
    slotMessage_->setMaximumWidth(group->sizeHint().width());
    slotMessage_->hide();
    QPalette warning = slotMessage_->palette();
    warning.setColor(QPalette::WindowText, kWarningColour);
    slotMessage_->setPalette(warning);
    connect(chart_, &QChart::plotAreaChanged, this, &CurveDialog::placeResonances);
    connect(frequencyAxis_, &QLogValueAxis::rangeChanged, this, &CurveDialog::placeResonances);

    auto* column = new QVBoxLayout;
    column->addWidget(group);
    column->addWidget(slotMessage_);
    return column;
}

void CurveDialog::applyBand() {
    QString problem;
    try {
        SweepGrid band;
        band.start = bandNumber(*start_);
        band.stop = bandNumber(*stop_);
        bool whole = false;
        band.points = points_->text().trimmed().toInt(&whole);
        if (!whole) {
            throw SweepGridError(SweepGridError::Reason::PointsOutOfRange);
        }
        if (!sameBand(band, requested_)) {
            request(band);
        }
    } catch (const CalculationFailure& failure) {
        problem = failure.explanation().remove(u'\n');
    } catch (const SweepGridError& error) {
        problem = bandProblem(error.reason());
    }
    showBandProblem(problem.isEmpty() ? QString()
                                      : problem + QStringLiteral("曲线仍为上一次的频段。"));
}

void CurveDialog::showBandProblem(const QString& problem) {
    bandMessage_->setText(problem);
    bandMessage_->setVisible(!problem.isEmpty());
}

float CurveDialog::bandNumber(const QLineEdit& field) const {
    if (field.text().isEmpty()) {
        throw CalculationFailure(QStringLiteral("请填写“%1”。").arg(labelOf(*this, &field)));
    }
    return boxNumber(*this, field, "");
}

void CurveDialog::request(const SweepGrid& band) {
    checkSweepGrid(band);
    requested_ = band;
    const bool drawn = !curve_.empty() && sameBand(band, band_);
    CurveRequest wanted{.computation = computation_,
                        .band = band,
                        .own = !drawn,
                        .metals = {},
                        .columns = columns()};
    const ListIndex current = listedMaterial(computation_);
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        if (static_cast<ListIndex>(i) != current && overlays_[i]->isChecked() &&
            !(drawn && metals_[i])) {
            wanted.metals.push_back(static_cast<ListIndex>(i));
        }
    }
    if (pending_ != nullptr) {
        pending_->cancel();
        pending_->deleteLater();
        pending_ = nullptr;
    }
    if (!wanted.own && wanted.metals.empty()) {
        busyDelay_->stop();
        busy_->hide();
        drawSeries();
        emit curvesDrawn();
        return;
    }
    pending_ = new QFutureWatcher<std::optional<CurveSet>>(this);
    connect(pending_, &QFutureWatcherBase::finished, this,
            [this, watcher = pending_] { receive(*watcher); });
    pending_->setFuture(
        QtConcurrent::run([wanted = std::move(wanted)](QPromise<std::optional<CurveSet>>& promise) {
            promise.addResult(sweepCurves(wanted, [&promise] { return promise.isCanceled(); }));
        }));
    if (!busyDelay_->isActive() && !busy_->isVisible()) {
        busyDelay_->start();
    }
}

void CurveDialog::receive(QFutureWatcher<std::optional<CurveSet>>& watcher) {
    if (&watcher != pending_) {
        return; // superseded
    }
    pending_ = nullptr;
    watcher.deleteLater();
    busyDelay_->stop();
    busy_->hide();
    QFuture<std::optional<CurveSet>> future = watcher.future();
    std::optional<CurveSet> set =
        future.resultCount() > 0 ? future.takeResult() : std::optional<CurveSet>();
    if (!set) {
        return;
    }
    if (!set->curve.empty()) {
        band_ = requested_;
        curve_ = std::move(set->curve);
        handbook_ = std::move(set->handbook);
        reference_ = std::move(set->reference);
        metals_ = {};
        showAdvice();
        drawSlot();
    }
    for (auto& [metal, runs] : set->metals) {
        metals_[static_cast<std::size_t>(metal)] = std::move(runs);
    }
    drawSeries();
    emit curvesDrawn();
}

void CurveDialog::drawSeries() {
    frequencyAxis_->setRange(band_.start, band_.stop);
    setRuns(handbook_, QStringLiteral("手册公式"), QPen(kHandbookColour, 2),
            QStringLiteral("handbook"));
    const QString model = referenceLegend(computation_, curve_);
    if (!model.isEmpty()) {
        // Where the model gives no value anywhere, one empty run keeps its
        // legend entry, which says why.
        const Runs none(1);
        setRuns(reference_.empty() ? none : reference_, model,
                QPen(kReferenceColour, 2, Qt::DashLine), QStringLiteral("reference"));
    }
    const float f = enteredFrequency(computation_);
    const bool marked = entered_.handbook && f >= band_.start && f <= band_.stop;
    if (marked && marker_ == nullptr) {
        marker_ = new QScatterSeries;
        marker_->setObjectName(QStringLiteral("marker"));
        const QString value = QString::fromStdString(resultText(*entered_.handbook)).trimmed();
        marker_->setName(
            QStringLiteral("输入频率 %1 %2：%3 dB").arg(numberText(f), unitText(unit_), value));
        marker_->append(f, *entered_.handbook);
        marker_->setMarkerSize(9);
        marker_->setColor(kHandbookColour);
        marker_->setBorderColor(Qt::white);
        marker_->setPointLabelsVisible(true);
        marker_->setPointLabelsFont(font());
        marker_->setPointLabelsFormat(value + QStringLiteral(" dB"));
        chart_->addSeries(marker_);
        marker_->attachAxis(frequencyAxis_);
        marker_->attachAxis(seAxis_);
    } else if (!marked && marker_ != nullptr) {
        chart_->removeSeries(marker_);
        delete marker_;
        marker_ = nullptr;
    }
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        setRuns(overlays_[i]->isChecked() && metals_[i] ? *metals_[i] : Runs(),
                QStringLiteral("手册公式：") + metalName(i), QPen(kOverlayColours[i], 1.5),
                overlays_[i]->objectName());
    }
    fitValueAxis();
}

void CurveDialog::showAdvice() {
    advice_->clear();
    for (const AdviceLine& line : adviceLines(curve_, entered_, unit_)) {
        auto* item = new QListWidgetItem(line.text, advice_);
        if (line.severity == Severity::Warning) {
            item->setForeground(kWarningColour);
        }
    }
}

int CurveDialog::columns() const {
    // The plot's width once the chart is laid out; the view's before.
    const qreal plot = chart_->plotArea().width();
    return std::max(1, qRound((plot > 0 ? plot : view_->width()) * view_->devicePixelRatio()));
}

void CurveDialog::applySlot() {
    QString problem;
    std::optional<BoxSlotInput> slot;
    try {
        if (const std::optional<SlotEntry> entry = slotEntry()) {
            const BoxSlotInput input =
                slottedBox(std::get<EnclosureInput>(computation_.input), *entry);
            if (const std::optional<BoxSlotRefusal> refusal = boxSlotRefusal(input)) {
                problem = slotProblem(*refusal);
            } else {
                slot = input;
            }
        }
    } catch (const CalculationFailure& failure) {
        problem = failure.explanation().remove(u'\n');
    }
    slotMessage_->setText(problem);
    slotMessage_->setVisible(!problem.isEmpty());
    slot_ = slot;
    if (slot_ && !slotShown_) {
        slotShown_ = true;
        const SweepGrid shown = bandForSlot(requested_, boxResonances(*slot_, unit_)[0]);
        if (shown.stop != requested_.stop) {
            try {
                request(shown); // the slot is drawn with the band's curves
                start_->setText(numberText(shown.start));
                stop_->setText(numberText(shown.stop));
                points_->setText(QString::number(shown.points));
                showBandProblem({});
                return;
            } catch (const SweepGridError&) {
                // A resonance beyond the numbers of a band: the band stays.
            }
        }
    }
    drawSlot();
    fitValueAxis();
}

std::optional<SlotEntry> CurveDialog::slotEntry() const {
    const QWidget& group = *slotFields_[0]->parentWidget();
    const auto number = [&](const QLineEdit* field) -> std::optional<float> {
        if (field->text().isEmpty()) {
            return std::nullopt;
        }
        return boxNumber(group, *field, "");
    };
    // Every text is read, so that one that is not a number is told at once.
    const std::optional<float> length = number(slotFields_[0]);
    const std::optional<float> width = number(slotFields_[1]);
    const std::optional<float> count = number(slotFields_[2]);
    const std::optional<float> depth = number(slotFields_[3]);
    if (!length || !width) {
        return std::nullopt;
    }
    return SlotEntry{.length = *length, .width = *width, .count = count, .depth = depth};
}

void CurveDialog::drawSlot() {
    const auto drawCurves = [this](const Runs& electric, const Runs& magnetic) {
        setRuns(electric, QStringLiteral("开孔机箱 电场屏效"), QPen(kSlotColour, 2),
                QStringLiteral("slotElectric"));
        setRuns(magnetic, QStringLiteral("开孔机箱 磁场屏效"),
                QPen(kSlotColour, 2, Qt::DashDotLine), QStringLiteral("slotMagnetic"));
    };
    for (const ResonanceMark& mark : resonances_) {
        delete mark.line;
        delete mark.label;
    }
    resonances_.clear();
    slotCurve_.clear();
    if (!slot_) {
        drawCurves({}, {});
        return;
    }
    try {
        slotCurve_ = sweepSlot(*slot_, band_, unit_);
    } catch (const SweepGridError& error) {
        // The band in the model's unit leaves the numbers.
        slotMessage_->setText(bandProblem(error.reason()));
        slotMessage_->show();
        drawCurves({}, {});
        return;
    }
    Curve electric(slotCurve_.size());
    Curve magnetic(slotCurve_.size());
    for (std::size_t i = 0; i < slotCurve_.size(); ++i) {
        electric[i].f = magnetic[i].f = slotCurve_[i].f;
        if (const std::optional<BoxSlotSE>& se = slotCurve_[i].se) {
            electric[i].handbook = se->electric;
            magnetic[i].handbook = se->magnetic;
        }
    }
    drawCurves(drawnRuns(electric, &CurvePoint::handbook, band_.start, band_.stop, columns()),
               drawnRuns(magnetic, &CurvePoint::handbook, band_.start, band_.stop, columns()));

    constexpr FrequencyUnit modelUnit = BoxSlotInput::kFrequencyUnit;
    const std::array<double, 3> resonances = boxResonances(*slot_, modelUnit);
    for (std::size_t i = 0; i < resonances.size(); ++i) {
        auto* line = new QGraphicsLineItem(chart_);
        line->setPen(QPen(kResonanceColour, 1, Qt::DotLine));
        auto* label =
            // The word once, on the first: the lines may stand close together.
            new QGraphicsSimpleTextItem(
                (i == 0 ? QStringLiteral("谐振 ") : QString()) +
                    QStringLiteral("%1 %2").arg(approx(resonances[i]), unitText(modelUnit)),
                chart_);
        label->setFont(font());
        label->setBrush(kResonanceColour);
        label->setRotation(-90); // upwards along its line
        resonances_.push_back({convertFrequency(resonances[i], modelUnit, unit_), line, label});
    }
    placeResonances();
}

void CurveDialog::placeResonances() {
    const QRectF plot = chart_->plotArea();
    const double low = frequencyAxis_->min();
    const double high = frequencyAxis_->max();
    // A label starts at the top of the plot, or under the one before it
    // where that one reaches over this line.
    double lastRight = plot.left();
    double lastEnd = plot.top();
    for (const ResonanceMark& mark : resonances_) {
        const bool inBand = mark.f >= low && mark.f <= high && low > 0 && high > low;
        mark.line->setVisible(inBand);
        mark.label->setVisible(inBand);
        if (!inBand) {
            continue;
        }
        // The frequency axis is logarithmic.
        const double x = plot.left() + plot.width() * std::log(mark.f / low) / std::log(high / low);
        mark.line->setLine(x, plot.top(), x, plot.bottom());
        const QRectF text = mark.label->boundingRect();
        const double start = x < lastRight + 2 ? lastEnd + 4 : plot.top() + 4;
        mark.label->setPos(x + 1, start + text.width());
        lastRight = x + 1 + text.height();
        lastEnd = start + text.width();
    }
}

void CurveDialog::setRuns(const Runs& runs, const QString& name, const QPen& pen,
                          const QString& objectName) {
    std::vector<QLineSeries*>& drawn = series_[objectName];
    for (; drawn.size() > runs.size(); drawn.pop_back()) {
        chart_->removeSeries(drawn.back());
        delete drawn.back();
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i == drawn.size()) {
            auto* series = new QLineSeries;
            series->setObjectName(objectName);
            series->setName(name);
            series->setPen(pen);
            chart_->addSeries(series);
            series->attachAxis(frequencyAxis_);
            series->attachAxis(seAxis_);
            for (QLegendMarker* marker : chart_->legend()->markers(series)) {
                marker->setVisible(i == 0);
            }
            drawn.push_back(series);
        }
        drawn[i]->setName(name);
        drawn[i]->replace(runs[i]);
    }
}

void CurveDialog::fitValueAxis() {
    std::vector<double> values;
    for (QAbstractSeries* series : chart_->series()) {
        for (const QPointF& p : static_cast<QXYSeries*>(series)->points()) {
            values.push_back(p.y());
        }
    }
    const std::optional<ValueAxisRange> range =
        valueAxisRange(values, wholeRange_->isChecked() ? AxisExtent::Whole : AxisExtent::Readable);
    if (range == axisRange_ && !seAxis_->categoriesLabels().isEmpty()) {
        return; // each change of the axis lays every curve out again
    }
    axisRange_ = range;
    for (const QString& label : seAxis_->categoriesLabels()) {
        seAxis_->remove(label);
    }
    if (!range) {
        seAxis_->setRange(0, 1);
        return;
    }
    // A line at each step, labelled with its value, the bottom one too (an
    // empty first category); the top one says when it cuts.
    seAxis_->setStartValue(range->bottom);
    const QStringList labels = valueAxisLabels(*range);
    const double step = (range->top - range->bottom) / (range->ticks - 1);
    for (int i = 0; i < range->ticks; ++i) {
        seAxis_->append(labels[i], i + 1 == range->ticks ? range->top : range->bottom + i * step);
    }
    seAxis_->setRange(range->bottom, range->top);
}

bool CurveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            showReadout(static_cast<QMouseEvent*>(event)->position());
        } else if (event->type() == QEvent::Leave) {
            readout_->clear();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CurveDialog::showReadout(const QPointF& position) {
    const QPointF scene = view_->mapToScene(position.toPoint());
    const QPointF inChart = chart_->mapFromScene(scene);
    if (curve_.empty() || !chart_->plotArea().contains(inChart)) {
        readout_->clear();
        return;
    }
    const std::size_t index = nearestPoint(curve_, chart_->mapToValue(inChart).x());
    QString text = readoutText(curve_[index], unit_, !referenceModelName(computation_).isEmpty());
    if (index < slotCurve_.size()) {
        text += QStringLiteral("　") + slotReadoutText(slotCurve_[index]);
    }
    readout_->setText(text);
}

QImage CurveDialog::picture(int scale) const {
    QImage image(view_->size() * scale * view_->devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(view_->devicePixelRatio());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view_->render(&painter, QRectF(QPointF(0, 0), QSizeF(view_->size() * scale)),
                  view_->viewport()->rect());
    return image;
}

bool CurveDialog::writeData(const QString& path) {
    const std::string csv = sweepCsv(computation_, band_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        tellWriteError(path, file.errorString(), QStringLiteral("导出数据"));
        return false;
    }
    return true;
}

bool CurveDialog::writePicture(const QString& path, int scale) {
    const QByteArray format = pictureFormat(path);
    if (format.isEmpty()) {
        hub_.showMessage(
            this, critical(QStringLiteral("无法写入文件“%1”：不知道按什么格式写这个名字的图片。\n"
                                          "请用以 .png、.jpg 或 .svg 结尾的文件名。")
                               .arg(quotedText(QDir::toNativeSeparators(path))),
                           QStringLiteral("导出图片")));
        return false;
    }
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        if (format == "svg") {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            const QSize size = view_->size() * scale;
            svg.setSize(size);
            svg.setResolution(view_->logicalDpiX()); // as large as on the screen
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(windowTitle());
            QPainter painter(&svg);
            view_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), view_->viewport()->rect());
            painter.end();
            written = file.error() == QFileDevice::NoError;
        } else {
            written = picture(scale).save(&file, format.constData(), kPictureQuality);
        }
        written = file.commit() && written;
    }
    if (!written) {
        tellWriteError(path, file.errorString(), QStringLiteral("导出图片"));
    }
    return written;
}

void CurveDialog::tellWriteError(const QString& path, const QString& reason, const QString& title) {
    hub_.showMessage(this, critical(QStringLiteral("无法写入文件“%1”：%2\n图中的数据没有改变，"
                                                   "可以换一个位置再试。")
                                        .arg(quotedText(QDir::toNativeSeparators(path)), reason),
                                    title));
}

std::pair<QString, std::size_t> CurveDialog::askFileName(const QString& title,
                                                         const QString& proposed,
                                                         std::span<const SaveChoice> choices) {
    QFileDialog files(this, title);
    files.setObjectName(QStringLiteral("exportFile"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const SaveChoice& choice : choices) {
        filters.append(choice.filter);
    }
    files.setNameFilters(filters);
    // The choice of a filter's text; the first when the text is not one of them.
    const auto choiceOf = [&](const QString& filter) {
        return std::size_t(std::max<qsizetype>(filters.indexOf(filter), 0));
    };
    files.setDefaultSuffix(choices.front().suffix);
    files.selectFile(proposed);
    connect(&files, &QFileDialog::filterSelected, &files, [&](const QString& filter) {
        files.setDefaultSuffix(choices[choiceOf(filter)].suffix);
    });
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) {
        return {};
    }
    return {files.selectedFiles().front(), choiceOf(files.selectedNameFilter())};
}

void CurveDialog::exportData() {
    static const std::array<SaveChoice, 1> choices{
        SaveChoice{QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv"), 1}};
    const QString path =
        askFileName(QStringLiteral("导出数据"), QStringLiteral("频率特性.csv"), choices).first;
    if (!path.isEmpty()) {
        writeData(path);
    }
}

void CurveDialog::exportPicture() {
    static const std::array<SaveChoice, 6> choices{
        SaveChoice{QStringLiteral("PNG 图片，屏幕尺寸 (*.png)"), QStringLiteral("png"), 1},
        SaveChoice{QStringLiteral("PNG 图片，两倍尺寸 (*.png)"), QStringLiteral("png"), 2},
        SaveChoice{QStringLiteral("JPEG 图片，屏幕尺寸 (*.jpg *.jpeg)"), QStringLiteral("jpg"), 1},
        SaveChoice{QStringLiteral("JPEG 图片，两倍尺寸 (*.jpg *.jpeg)"), QStringLiteral("jpg"), 2},
        SaveChoice{QStringLiteral("SVG 图片，屏幕尺寸 (*.svg)"), QStringLiteral("svg"), 1},
        SaveChoice{QStringLiteral("SVG 图片，两倍尺寸 (*.svg)"), QStringLiteral("svg"), 2},
    };
    const auto [path, chosen] =
        askFileName(QStringLiteral("导出图片"), QStringLiteral("频率特性.png"), choices);
    if (!path.isEmpty()) {
        writePicture(path, choices[chosen].scale);
    }
}

bool CurveDialog::writeReport(const QString& path) {
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        const QString title = parentWidget()->windowTitle();
        written =
            ui::writeReport(file, {.title = title,
                                   .computation = computation_,
                                   .entered = entered_,
                                   .advice = adviceLines(curve_, entered_, unit_),
                                   .drawChart = [this](QPainter& painter, const QRectF& place) {
                                       view_->render(&painter, place, view_->viewport()->rect());
                                   }});
        written = written && file.commit();
    }
    if (!written) {
        tellWriteError(path,
                       file.error() != QFileDevice::NoError ? file.errorString()
                                                            : QStringLiteral("无法生成 PDF。"),
                       QStringLiteral("导出报告"));
    }
    return written;
}

void CurveDialog::exportReport() {
    static const std::array<SaveChoice, 1> choices{
        SaveChoice{QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"), 1}};
    const QString path =
        askFileName(QStringLiteral("导出报告"), QStringLiteral("计算报告.pdf"), choices).first;
    if (!path.isEmpty()) {
        writeReport(path);
    }
}

void CurveDialog::copyPicture() {
    QGuiApplication::clipboard()->setImage(picture(1));
}

} // namespace shieldcalc::ui
