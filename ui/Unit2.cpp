#include "ui/Unit2.h"

#include "calc/number_text.h"
#include "ui/accessibility.h"
#include "ui/app_style.h"
#include "ui/handler_guard.h"
#include "ui/screen_placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <utility>

namespace volcalc::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sized to its text like the designer's auto-sized labels: never narrower than the text.
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Addition of the material list"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(306, 135);
    InstallAccessibleInterfaces();

    setFont(WindowFont());
    setPalette(SilverPalette());

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Material name"), {16, 16, 66, 13});
    Edit1 = MakeEdit(this, "Edit1", {16, 35, 160, 21});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Density (integer number only)"), {16, 72, 136, 13});
    Edit2 = MakeEdit(this, "Edit2", {16, 91, 65, 21});
    Label15 = MakeLabel(this, "Label15", QStringLiteral("kg/m"), {88, 94, 25, 13});
    Label18 = MakeLabel(this, "Label18", QStringLiteral("3"), {113, 88, 6, 13});
    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("OK"), {224, 35, 75, 25});
    BitBtn2 = MakeButton(this, "BitBtn2", QStringLiteral("Cancel"), {224, 72, 75, 25});

    // The fields are read out by the labels above them.
    SetAccessibleText(Edit1, Label1->text());
    SetAccessibleText(Edit2, QStringLiteral("Density"),
                      QStringLiteral("Integer number only, in kilograms per cubic metre"));

    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Edit1);
    setTabOrder(Edit1, Edit2);
    BitBtn1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, [this] { RunHandler([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm2::SetReceiver(Receiver receiver) {
    receiver_ = std::move(receiver);
}

int TForm2::ShowModalEmptied() {
    Edit1->clear();
    Edit2->clear();
    return exec() == QDialog::Accepted ? QDialog::Accepted : QDialog::Rejected;
}

void TForm2::BitBtn1Click() {
    const std::string name = Edit1->text().toStdString();
    const std::int32_t density = DensityFromText(Edit2->text().toStdString());
    if (receiver_) {
        receiver_(name, density);
    }
    accept();
}

void TForm2::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button != nullptr && button->isEnabled()) {
            button->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace volcalc::ui
