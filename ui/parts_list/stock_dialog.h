// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <filesystem>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace volcalc::ui {

// "Stock": the rack of bars and offcuts on hand, one row a kind (shape or section, cross-section,
// material, length with its unit, count), edited as a table and saved as the rack's file. Rows
// that do not read are refused with the file, the line and the reason, and nothing is saved.
class StockDialog : public QDialog {
public:
    StockDialog(std::filesystem::path rackFile, QWidget* parent);

private:
    void Load();
    void AddRow(const QStringList& cells);
    void AddClicked();
    void RemoveClicked();
    void SaveClicked();
    // The table as the rack's file holds it.
    std::string RackText() const;

    std::filesystem::path m_file;
    std::string m_loadedText; // the file as it was when the dialog read it
    QTableWidget* m_table = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_saveButton = nullptr;
};

} // namespace volcalc::ui
