#include "ui/form_builder.h"

#include "ui/choice_box.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace shieldcalc::ui {

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QFont songFont(Face face) {
    // SimSun where it is installed. Elsewhere the first face found draws
    // every character it has and leaves the rest to the next: DejaVu Serif
    // draws the Latin letters and digits, so that l, 1 and I, or 0 and O,
    // never look alike, and the Song face Noto Serif CJK SC draws the
    // Chinese, with a real bold weight (AR PL UMing, kept as the last
    // resort, has only a synthetic bold that disappears when scaled).
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UMing CN")});
    switch (face) {
    case Face::Plain:
        font.setPointSize(9);
        break;
    case Face::Heading:
        font.setPointSize(18);
        font.setBold(true);
        break;
    case Face::OptionCaption:
        font.setPointSizeF(10.5);
        font.setBold(true);
        break;
    case Face::ResultText:
        font.setPointSize(12);
        font.setBold(true);
        break;
    }
    return font;
}

namespace {

QWidget* createControl(QWidget& form, const ControlSpec& design, QButtonGroup& options) {
    const QString text = QString::fromUtf8(design.text);
    switch (design.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text, &form);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(text, &form);
        options.addButton(option, static_cast<int>(options.buttons().size()));
        return option;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(text, &form);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        return button;
    }
    case ControlKind::TextBox:
        return new QLineEdit(text, &form);
    case ControlKind::ComboBox: {
        auto* box = new ChoiceBox(&form);
        for (const char* entry : design.entries) {
            box->addItem(QString::fromUtf8(entry));
        }
        box->setMaxVisibleItems(static_cast<int>(design.entries.size())); // no scrolling
        box->showPrompt(text);
        return box;
    }
    }
    Q_UNREACHABLE();
    return nullptr;
}

QRect pixelRect(const Twips& t) {
    return {twipsToPixels(t.left), twipsToPixels(t.top), twipsToPixels(t.width),
            twipsToPixels(t.height)};
}

} // namespace

void buildForm(QWidget& form, const FormSpec& design, QButtonGroup& options) {
    form.setObjectName(QString::fromUtf8(design.name));
    form.setWindowTitle(QString::fromUtf8(design.caption));
    form.setFixedSize(twipsToPixels(design.width), twipsToPixels(design.height));
    form.setFont(songFont(Face::Plain));

    std::vector<std::pair<int, QWidget*>> tabOrder;
    std::vector<std::pair<QLabel*, const char*>> buddies;
    for (const ControlSpec& c : design.controls) {
        QWidget* control = createControl(form, c, options);
        control->setObjectName(QString::fromUtf8(c.name));
        control->setGeometry(pixelRect(c.place));
        if (c.face != Face::Plain) {
            control->setFont(songFont(c.face));
        }
        if (c.tip != nullptr) {
            control->setToolTip(QString::fromUtf8(c.tip));
        }
        if (c.index >= 0) {
            control->setProperty(kIndexProperty, c.index);
        }
        if (c.tab >= 0) {
            tabOrder.emplace_back(c.tab, control);
        }
        if (c.kind == ControlKind::Label && c.buddy != nullptr) {
            buddies.emplace_back(static_cast<QLabel*>(control), c.buddy);
        }
    }
    // The boxes exist only now; a label array shares one name, a box never does.
    for (const auto& [label, buddy] : buddies) {
        auto* box = form.findChild<QWidget*>(QString::fromUtf8(buddy), Qt::FindDirectChildrenOnly);
        label->setBuddy(box);
        if (box->toolTip().isEmpty()) {
            box->setToolTip(label->toolTip());
        }
    }
    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
}

} // namespace shieldcalc::ui
