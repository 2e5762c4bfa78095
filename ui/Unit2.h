#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace volcalc::ui {

// The add-material dialog: asks for the name and the density of one new material and hands
// them to its receiver (the main window) when OK is pressed with a readable density.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    using Receiver = std::function<void(const std::string& name, std::int32_t density)>;

    explicit TForm2(QWidget* parent = nullptr);

    // Where BitBtn1Click hands over the name and the density.
    void SetReceiver(Receiver receiver);

    // Empties both fields, runs the dialog modally and returns Accepted after OK, else Rejected.
    int ShowModalEmptied();

    // OK: hands over the name as typed and the density by the integer density rule, then
    // closes. A density that cannot be read raises its conversion error and the dialog stays
    // open with what was typed; nothing is handed over.
    void BitBtn1Click();

    void setVisible(bool visible) override;

protected:
    // Neither button is default or cancel: Enter presses only the focused button, Esc nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label15;
    QLabel* Label18;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    Receiver receiver_;
    bool placed_ = false;
};

} // namespace volcalc::ui
