// The calculator forms' boxes through their field tables: every row finds
// its control, the form's reset empties every box and list of the table, a
// record read back holds what was typed in each member, an optional box left
// empty reads as 0, and an empty box is reported, with its group, only where
// the case needs it.
#include "ui/aperture_form.h"
#include "ui/double_layer_form.h"
#include "ui/enclosure_form.h"
#include "ui/input_boxes.h"
#include "ui/messages.h"
#include "ui/solid_shield_form.h"
#include "ui/window_hub.h"

#include <QTest>

#include <memory>

using namespace shieldcalc;
using namespace shieldcalc::ui;

namespace {

template <class Input> QLineEdit* boxOf(QWidget& form, const Field<Input>& field) {
    return form.findChild<QLineEdit*>(QString::fromUtf8(field.control));
}
template <class Input> ChoiceBox* listOf(QWidget& form, const Field<Input>& field) {
    return form.findChild<ChoiceBox*>(QString::fromUtf8(field.control));
}

// A different value for each row.
float valueOf(std::size_t row) {
    return 0.25f + 1.5f * static_cast<float>(row);
}

// Fills every box and chooses entry 1 of every list.
template <class Input> void fillIn(QWidget& form, std::span<const Field<Input>> fields) {
    for (std::size_t row = 0; row < fields.size(); ++row) {
        if (fields[row].kind() == FieldKind::Number) {
            boxOf(form, fields[row])->setText(QString::number(valueOf(row)));
        } else {
            listOf(form, fields[row])->setCurrentIndex(1);
        }
    }
}

// The source and shape with which the inputs of group are needed.
std::pair<SourceChoice, ListIndex> caseNeeding(Needed group) {
    switch (group) {
    case Needed::CircularHole:
        return {FieldSource::PlaneWave, static_cast<ListIndex>(HoleShape::CircularHole)};
    case Needed::RectangularHole:
        return {FieldSource::PlaneWave, static_cast<ListIndex>(HoleShape::RectangularHole)};
    case Needed::Always:
    case Needed::NearField:
    case Needed::Optional:
        break;
    }
    return {FieldSource::MagneticSource, kNoChoice};
}

template <class Form, class Input> void checkForm(std::span<const Field<Input>> fields) {
    WindowHub hub(std::make_unique<MessageBoxPresenter>(), [] {});
    Form form(hub);
    for (const Field<Input>& field : fields) {
        const bool found = field.kind() == FieldKind::Number ? boxOf(form, field) != nullptr
                                                             : listOf(form, field) != nullptr;
        QVERIFY2(found, field.control);
    }
    const InputBoxes<Input> boxes(form, fields);

    // The form's own reset, as its field-source window does it.
    fillIn(form, fields);
    form.resetInputs();
    for (const Field<Input>& field : fields) {
        if (field.kind() == FieldKind::Number) {
            QVERIFY2(boxOf(form, field)->text().isEmpty(), field.control);
        } else {
            QCOMPARE(listOf(form, field)->listIndex(), kNoChoice);
        }
    }

    // Read back member by member.
    fillIn(form, fields);
    const Input input = boxes.read();
    for (std::size_t row = 0; row < fields.size(); ++row) {
        const Field<Input>& field = fields[row];
        switch (field.kind()) {
        case FieldKind::Number:
            QCOMPARE(input.*field.number, valueOf(row));
            break;
        case FieldKind::Material:
            QVERIFY2(input.*field.material == MaterialChoice(1), field.control);
            break;
        case FieldKind::Shape:
            QCOMPARE(input.*field.shape, ListIndex{1});
            break;
        }
    }

    // One box empty at a time: asked for in its group where the case needs it.
    for (const Field<Input>& field : fields) {
        if (field.kind() != FieldKind::Number) {
            continue;
        }
        fillIn(form, fields);
        boxOf(form, field)->clear();
        const auto [source, shape] = caseNeeding(field.needed);
        for (const Field<Input>& list : fields) {
            if (list.kind() == FieldKind::Shape) {
                listOf(form, list)->setCurrentIndex(shape);
            }
        }
        QCOMPARE(boxes.firstMissing(source), &field);
        if (field.needed == Needed::NearField) {
            QCOMPARE(boxes.firstMissing(FieldSource::PlaneWave), nullptr);
        }
        if (field.needed != Needed::Always) {
            QCOMPARE(boxes.read().*field.number, 0.0f); // not needed in every case: 0
        }
    }
}

} // namespace

class InputBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void solidShieldForm() { checkForm<SolidShieldForm, SolidShieldInput>(kSolidShieldFields); }
    void apertureForm() { checkForm<ApertureForm, ApertureInput>(kApertureFields); }
    void doubleLayerForm() { checkForm<DoubleLayerForm, DoubleLayerInput>(kDoubleLayerFields); }
    void enclosureForm() { checkForm<EnclosureForm, EnclosureInput>(kEnclosureFields); }
};

QTEST_MAIN(InputBoxesTest)
#include "tst_input_boxes.moc"
