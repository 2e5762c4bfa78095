// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/message_dialog.h"

#include "ui/desktop/app_style.h"

#include <QPushButton>

#include <array>

namespace volcalc::ui {
namespace {

struct ButtonText {
    MessageButton Button;
    const char* Text;
};
constexpr std::array<ButtonText, 6> ButtonOrder = {{{YesButton, "&Yes"},
                                                    {NoButton, "&No"},
                                                    {SaveButton, "&Save"},
                                                    {DiscardButton, "&Discard"},
                                                    {OkButton, "OK"},
                                                    {CancelButton, "Cancel"}}};

QString CaptionOf(MessageKind type) {
    switch (type) {
    case MessageKind::Warning:
        return QStringLiteral("Warning");
    case MessageKind::Error:
        return QStringLiteral("Error");
    case MessageKind::Confirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

QMessageBox::Icon IconOf(MessageKind type) {
    switch (type) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QAbstractButton* Find(const MessageDialog& dialog, MessageButton wanted) {
    for (const auto& [button, kind] : dialog.Buttons) {
        if (kind == wanted) {
            return button;
        }
    }
    return nullptr;
}

// Enter presses OK if shown, else Yes, else Save; Esc presses Cancel if shown, else No, else OK.
void SetDefaultAndEscape(MessageDialog& dialog) {
    QAbstractButton* enter = nullptr;
    for (MessageButton wanted : {OkButton, YesButton, SaveButton}) {
        if (!enter) {
            enter = Find(dialog, wanted);
        }
    }
    if (auto* push = qobject_cast<QPushButton*>(enter)) {
        dialog.Box->setDefaultButton(push);
    }
    for (MessageButton escape : {CancelButton, NoButton, OkButton}) {
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

MessageButton MessageDialog::Answer(const QAbstractButton* clicked) const {
    for (const auto& [button, kind] : Buttons) {
        if (button == clicked) {
            return kind;
        }
    }
    return CancelButton;
}

MessageDialog BuildMessageDialog(const QString& text, MessageKind type, MessageButtons buttons) {
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
