#include "ui/Unit1.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/units.h"
#include "ui/accessibility.h"
#include "ui/desktop_services.h"
#include "ui/handler_guard.h"
#include "ui/parameter_panels.h"
#include "ui/pictures.h"
#include "ui/program_windows.h"
#include "ui/screen_placement.h"
#include "ui/spin_edit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <string_view>
#include <vector>

namespace volcalc::ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::filesystem::path ExecutableCatalogue() {
    const QByteArray executable = QFile::encodeName(QCoreApplication::applicationFilePath());
    return CatalogueFilePath(std::filesystem::path(executable.toStdString()));
}

void ShowPicture(QLabel* image, CalcGroup group, const ShapeEntry& entry) {
    const std::string_view name = entry.Picture;
    image->setPixmap(Picture(name));
    // The resource name stays readable for tests and tools, even while a picture is missing.
    image->setProperty("picture", QString::fromUtf8(name.data(), qsizetype(name.size())));
    SetAccessibleText(image, PictureName(group, entry), PictureDescription(entry));
}

// Rebuilds the material list from the catalogue even when an operation stops half-way.
template <typename Operation> void ThenSync(Operation operation, TForm1* form, void (TForm1::*sync)()) {
    try {
        operation();
    } catch (...) {
        (form->*sync)();
        throw;
    }
    (form->*sync)();
}

} // namespace

TForm1::TForm1(FormOptions options, QWidget* parent) : QWidget(parent), m_ledger(*this) {
    CatalogueDialogs& dialogs = options.Dialogs ? *options.Dialogs : m_windowDialogs;
    const std::filesystem::path iniPath = options.IniPath.empty() ? ExecutableCatalogue() : options.IniPath;
    m_catalogue = std::make_unique<MaterialCatalogue>(iniPath, dialogs);
    m_ledger.SetDensitySource(m_catalogue.get());
    BuildLayout();
    WireHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetNewMaterial(const std::string& name, std::int32_t density) {
    m_catalogue->NewMaterialName = name;
    m_catalogue->NewMaterialDensity = density;
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Centred on the screen the first time only; afterwards it stays where the user put it.
    if (!m_placed && isWindow()) {
        m_placed = true;
        CentreOnScreen(*this);
    }
}

void TForm1::WireHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    };
    on(SpeedButton5, &QToolButton::clicked, &TForm1::SpeedButton5Click);
    on(SpeedButton6, &QToolButton::clicked, &TForm1::SpeedButton6Click);
    on(SpeedButton1, &QToolButton::clicked, &TForm1::SpeedButton1Click);
    on(SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    on(SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
    on(SpeedButton7, &QToolButton::clicked, &TForm1::SpeedButton7Click);
    on(SpeedButton8, &QToolButton::clicked, &TForm1::SpeedButton8Click);
    on(BitBtn5, &QPushButton::clicked, &TForm1::BitBtn5Click);
    on(BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
    // activated comes from the user only: a selection made by the program runs no handler.
    on(ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Change);
    on(ComboBox2, &QComboBox::activated, &TForm1::ComboBox2Change);
    on(ComboBox3, &QComboBox::activated, &TForm1::ComboBox3Change);
    on(ComboBox16, &QComboBox::activated, &TForm1::ComboBox16Change);
    on(ComboBox15, &QComboBox::activated, &TForm1::ComboBox15Change);
}

void TForm1::FormCreate() {
    m_catalogue->LoadMaterials();
    SyncMaterialList();
    ShowPicture(Image1, CalcGroup::Object, ObjectShapes.front());
    ShowPicture(Image2, CalcGroup::Aperture, ApertureShapes.front());
    {
        const QSignalBlocker objectList(ComboBox2);
        const QSignalBlocker apertureList(ComboBox3);
        ComboBox2->setCurrentIndex(0);
        ComboBox3->setCurrentIndex(0);
    }
    m_objectPanels->PlaceAll();
    m_aperturePanels->PlaceAll();
    m_ledger.ClearLedger();
    // As if the user had chosen the selected material: undoes the 0 the ledger just set.
    ComboBox1Change();
}

void TForm1::SyncMaterialList() {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const std::string& name : m_catalogue->Names()) {
        ComboBox1->addItem(Text(name));
    }
    // Adding to an empty list would select its first entry; the catalogue says what is selected.
    ComboBox1->setCurrentIndex(m_catalogue->SelectedIndex());
}

void TForm1::SpeedButton5Click() {
    m_ledger.UndoLast();
}

void TForm1::SpeedButton6Click() {
    m_ledger.ResetAll();
}

void TForm1::SpeedButton1Click() {
    ShowAboutBox();
}

void TForm1::SpeedButton2Click() {
    // The executable's folder with its trailing separator, then the help file's name.
    const QString executable = QCoreApplication::applicationFilePath();
    const QString folder = executable.left(executable.lastIndexOf(QLatin1Char('/')) + 1);
    Desktop().ShellOpen(this, QStringLiteral("OPEN"), folder + QStringLiteral("TORVA.CHM"));
}

void TForm1::SpeedButton3Click() {
    close();
}

void TForm1::ComboBox1Change() {
    m_catalogue->PickMaterial(ComboBox1->currentIndex());
    m_ledger.RefreshDensity();
}

void TForm1::SpeedButton7Click() {
    ThenSync([this] { m_catalogue->AddMaterial(); }, this, &TForm1::SyncMaterialList);
}

void TForm1::SpeedButton8Click() {
    ThenSync([this] { m_catalogue->RemoveMaterial(); }, this, &TForm1::SyncMaterialList);
    // The first material left is selected; with none left the density in force stays.
    if (m_catalogue->SelectedIndex() >= 0) {
        m_ledger.RefreshDensity();
    }
}

void TForm1::ComboBox2Change() {
    if (const ShapeEntry* entry = FindShape(CalcGroup::Object, ComboBox2->currentText().toStdString())) {
        ShowPicture(Image1, CalcGroup::Object, *entry);
        m_objectPanels->ShowPanelOf(*entry);
    }
    SpinEdit2->SetValue(1);
}

void TForm1::ComboBox3Change() {
    if (const ShapeEntry* entry = FindShape(CalcGroup::Aperture, ComboBox3->currentText().toStdString())) {
        ShowPicture(Image2, CalcGroup::Aperture, *entry);
        BitBtn7->setEnabled(entry->Rule != nullptr);
        m_aperturePanels->ShowPanelOf(*entry);
    }
}

void TForm1::BitBtn5Click() {
    Calculate(CalcGroup::Object);
}

void TForm1::BitBtn7Click() {
    Calculate(CalcGroup::Aperture);
}

void TForm1::Calculate(CalcGroup group) {
    const bool object = group == CalcGroup::Object;
    const QComboBox* shapes = object ? ComboBox2 : ComboBox3;
    const ShapeEntry* entry = FindShape(group, shapes->currentText().toStdString());
    if (!entry || !entry->Rule) {
        return;
    }
    const std::int32_t quantity = (object ? SpinEdit2 : SpinEdit1)->Value();
    const std::vector<std::string> texts = (object ? m_objectPanels : m_aperturePanels)->TextsOf(*entry);
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::string unit = (object ? ComboBox11 : ComboBox4)->currentText().toStdString();
    m_ledger.Calculate(group, CalculationInput{*entry->Rule, views, quantity, unit});
}

template <typename Convert>
void TForm1::ShowGroup(QComboBox* list, int& shownIndex, const std::array<double, 3>& values,
                       const std::array<QLineEdit*, 3>& fields, Convert convert) {
    std::array<QString, 3> texts;
    try {
        for (std::size_t i = 0; i < values.size(); ++i) {
            texts[i] = Text(FormatResult(convert(values[i])));
        }
    } catch (const ECalcError&) {
        // Never a unit on the list over figures in another one.
        const QSignalBlocker block(list);
        list->setCurrentIndex(shownIndex);
        throw;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setText(texts[i]);
    }
    shownIndex = list->currentIndex();
}

void TForm1::ComboBox16Change() {
    const std::optional<VolumeUnit> unit = VolumeUnitFromName(ComboBox16->currentText().toStdString());
    if (!unit) {
        return;
    }
    const LedgerTotals& totals = m_ledger.Totals();
    ShowGroup(ComboBox16, m_volumeUnitShown, {totals.ObjectVolume, totals.ApertureVolume, totals.TotalVolume},
              {Edit42, Edit43, Edit10}, [&](double value) { return VolumeForDisplay(value, *unit); });
}

void TForm1::ComboBox15Change() {
    const std::optional<MassUnit> unit = MassUnitFromName(ComboBox15->currentText().toStdString());
    if (!unit) {
        return;
    }
    const LedgerTotals& totals = m_ledger.Totals();
    ShowGroup(ComboBox15, m_massUnitShown, {totals.ObjectMass, totals.ApertureMass, totals.TotalMass},
              {Edit17, Edit16, Edit7}, [&](double value) { return MassForDisplay(value, *unit); });
}

void TForm1::ShowTotals(const LedgerTotals& totals) {
    Edit42->setText(Text(FormatResult(totals.ObjectVolume)));
    Edit43->setText(Text(FormatResult(totals.ApertureVolume)));
    Edit10->setText(Text(FormatResult(totals.TotalVolume)));
    Edit17->setText(Text(FormatResult(totals.ObjectMass)));
    Edit16->setText(Text(FormatResult(totals.ApertureMass)));
    Edit7->setText(Text(FormatResult(totals.TotalMass)));
}

void TForm1::SetUndoEnabled(bool enabled) {
    SpeedButton5->setEnabled(enabled);
}

void TForm1::ResetDisplayUnits() {
    const QSignalBlocker volume(ComboBox16);
    const QSignalBlocker mass(ComboBox15);
    ComboBox16->setCurrentIndex(static_cast<int>(VolumeUnit::Meter));
    ComboBox15->setCurrentIndex(static_cast<int>(MassUnit::Kilogram));
    m_volumeUnitShown = ComboBox16->currentIndex();
    m_massUnitShown = ComboBox15->currentIndex();
}

void TForm1::ShowWarning(const std::string& text) {
    Desktop().MessageDlg(Text(text), MsgDlgType::Warning, mbOK);
}

void TForm1::ShowDensity(std::int32_t density) {
    Edit1->setText(Text(IntegerText(density)));
}

} // namespace volcalc::ui
