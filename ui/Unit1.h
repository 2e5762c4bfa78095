#pragma once

#include "calc/ledger.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "materials/material_catalogue.h"
#include "ui/catalogue_dialogs.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace volcalc::ui {

class ParameterPanels;
class TSpinEdit;

struct FormOptions {
    // The material file; empty for the one beside the executable.
    std::filesystem::path IniPath;
    // The catalogue's dialogs; null for the program's own (the add-material dialog Form2 and the
    // message dialog routine).
    CatalogueDialogs* Dialogs = nullptr;
};

// The main window: material, object and aperture groups, the toolbar and the six totals.
class TForm1 : public QWidget, private LedgerView {
public:
    explicit TForm1(FormOptions options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Written by the add-material dialog when the user presses OK.
    void SetNewMaterial(const std::string& name, std::int32_t density);

    const Ledger& LedgerState() const { return m_ledger; }
    const MaterialCatalogue& Catalogue() const { return *m_catalogue; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // main_window_layout.cpp
    void BuildLayout();
    void BuildToolbar();
    void BuildMaterialGroup();
    void BuildObjectGroup();
    void BuildApertureGroup();
    void BuildResultPanel();
    void SetTabOrder();

    void WireHandlers();
    void FormCreate();
    void SyncMaterialList();

    // Handlers, named after their control and event.
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void ComboBox1Change();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void ComboBox2Change();
    void ComboBox3Change();
    void BitBtn5Click();
    void BitBtn7Click();
    void ComboBox16Change();
    void ComboBox15Change();

    void Calculate(CalcGroup group);
    // Writes a group's three figures converted to the unit its list shows. A conversion that
    // overflows writes nothing and puts the list back to the unit the figures are in.
    template <typename Convert>
    void ShowGroup(QComboBox* list, int& shownIndex, const std::array<double, 3>& values,
                   const std::array<QLineEdit*, 3>& fields, Convert convert);

    // LedgerView
    void ShowTotals(const LedgerTotals& totals) override;
    void SetUndoEnabled(bool enabled) override;
    void ResetDisplayUnits() override;
    void ShowWarning(const std::string& text) override;
    void ShowDensity(std::int32_t density) override;

    Ledger m_ledger;
    WindowCatalogueDialogs m_windowDialogs;
    std::unique_ptr<MaterialCatalogue> m_catalogue;
    bool m_placed = false;
    // The display units the result fields are written in (list indexes).
    int m_volumeUnitShown = static_cast<int>(VolumeUnit::Meter);
    int m_massUnitShown = static_cast<int>(MassUnit::Kilogram);

    // Toolbar
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    // Material group
    QWidget* GroupBox2 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QLineEdit* Edit1 = nullptr;
    // Object group
    QWidget* GroupBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox11 = nullptr;
    TSpinEdit* SpinEdit2 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    std::unique_ptr<ParameterPanels> m_objectPanels;
    // Aperture group
    QWidget* GroupBox3 = nullptr;
    QLabel* Image2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    TSpinEdit* SpinEdit1 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    std::unique_ptr<ParameterPanels> m_aperturePanels;
    // Totals
    QWidget* Panel3 = nullptr;
    QWidget* GroupBox5 = nullptr;
    QWidget* GroupBox4 = nullptr;
    QComboBox* ComboBox16 = nullptr;
    QComboBox* ComboBox15 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit42 = nullptr;
    QLineEdit* Edit43 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit17 = nullptr;
    QLineEdit* Edit16 = nullptr;
};

} // namespace volcalc::ui
