#include "ui/message_dialog.h"

#include "ui/app_style.h"

#include <QPushButton>

#include <array>

namespace volcalc::ui {
namespace {

struct ButtonText {
    MsgDlgButton Button;
    const char* Text;
};
constexpr std::array<ButtonText, 4> ButtonOrder = {
    {{mbYes, "&Yes"}, {mbNo, "&No"}, {mbOK, "OK"}, {mbCancel, "Cancel"}}};

QString CaptionOf(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return QStringLiteral("Warning");
    case MsgDlgType::Error:
        return QStringLiteral("Error");
    case MsgDlgType::Confirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

QMessageBox::Icon IconOf(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return QMessageBox::Warning;
    case MsgDlgType::Error:
        return QMessageBox::Critical;
    case MsgDlgType::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QAbstractButton* Find(const MessageDialog& dialog, MsgDlgButton wanted) {
    for (const auto& [button, kind] : dialog.Buttons) {
        if (kind == wanted) {
            return button;
        }
    }
    return nullptr;
}

// Enter presses OK if shown, else Yes; Esc presses Cancel if shown, else No, else OK.
void SetDefaultAndEscape(MessageDialog& dialog) {
    QAbstractButton* enter = Find(dialog, mbOK) ? Find(dialog, mbOK) : Find(dialog, mbYes);
    if (auto* push = qobject_cast<QPushButton*>(enter)) {
        dialog.Box->setDefaultButton(push);
    }
    for (MsgDlgButton escape : {mbCancel, mbNo, mbOK}) {
        if (QAbstractButton* button = Find(dialog, escape)) {
            dialog.Box->setEscapeButton(button);
            return;
        }
    }
}

// A screen reader announces a dialog by its caption and then its description: the message.
void ReadOut(QMessageBox& box) {
    box.setAccessibleDescription(box.text());
}

} // namespace

MsgDlgButton MessageDialog::Answer(const QAbstractButton* clicked) const {
    for (const auto& [button, kind] : Buttons) {
        if (button == clicked) {
            return kind;
        }
    }
    return mbCancel;
}

MessageDialog BuildMessageDialog(const QString& text, MsgDlgType type, MsgDlgButtons buttons) {
    MessageDialog dialog;
    // A "\r\n" line break is one break on this desktop, not a stray character and a break.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    dialog.Box = std::make_unique<QMessageBox>(IconOf(type), CaptionOf(type), shown);
    ReadOut(*dialog.Box);
    for (const ButtonText& entry : ButtonOrder) {
        if (buttons & entry.Button) {
            // One role for all keeps the buttons in the order added, whatever the desktop's habit.
            QPushButton* button =
                dialog.Box->addButton(QString::fromLatin1(entry.Text), QMessageBox::ActionRole);
            dialog.Buttons.emplace_back(button, entry.Button);
        }
    }
    SetDefaultAndEscape(dialog);
    return dialog;
}

std::unique_ptr<QMessageBox> BuildErrorBox(const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle),
                                             text, QMessageBox::Ok);
    ReadOut(*box);
    return box;
}

} // namespace volcalc::ui
