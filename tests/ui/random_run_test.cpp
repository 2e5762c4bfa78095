// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random user actions on the real main window: seeded and reproducible, checked
// after every step against the totals, the display, the undo state and the material file as
// recomputed here from the actions alone.
//
//   VOLCALC_RANDOM_SEED   the seed of the run (default below)
//   VOLCALC_RANDOM_STEPS  the number of actions (default below; tens of thousands for the long run)
//   VOLCALC_RANDOM_TRACE  when set, every action is printed as it is done
#include "form_fixture.h"
#include "materials/listed_materials.h"
#include "user_actions.h"

#include "calc/errors.h"
#include "calc/ledger.h"
#include "calc/number_text.h"
#include "calc/quantity.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "materials/material_catalogue.h"
#include "ui/parts_list/parts_list_model.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ui/object_names.h"
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace volcalc::test {

namespace names = volcalc::ui::names;
namespace {

constexpr std::uint32_t DefaultSeed = 18;
constexpr std::uint64_t DefaultSteps = 3000;
constexpr std::size_t RememberedActions = 12;

// A whole number from the environment; the fallback when the variable is unset or empty.
std::optional<std::uint64_t> EnvironmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    const std::string_view view(text);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t Shown = 60;
    std::string quoted = "\"";
    quoted += text.size() > Shown
                  ? std::string(text.substr(0, Shown)) + "...(" + std::to_string(text.size()) + " bytes)"
                  : std::string(text);
    return quoted + "\"";
}

std::string Exact(double value) {
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return buffer.data();
}

std::string Exact(const LedgerTotals& totals) {
    return "{total " + Exact(totals.TotalVolume) + ", object " + Exact(totals.ObjectVolume) + ", aperture " +
           Exact(totals.ApertureVolume) + " m3; total " + Exact(totals.TotalMass) + ", object " +
           Exact(totals.ObjectMass) + ", aperture " + Exact(totals.ApertureMass) + " kg; surface " +
           Exact(totals.ObjectSurface) + " m2}";
}

// A name as the material file gives it back: without the blanks around it, without one pair of
// enclosing quotation marks, and at most 2047 characters long.
std::string ReadBack(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    constexpr std::size_t MaxCharacters = 2047;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == MaxCharacters) {
                return std::string(text.substr(0, i));
            }
            ++characters;
        }
    }
    return std::string(text);
}

std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The difference of two totals as the ledger takes it: in extended precision, rounded once to
// the stored double.
double Difference(double minuend, double subtrahend) {
    return static_cast<double>(static_cast<long double>(minuend) - subtrahend);
}

// The headless platform says for every opened list that it cannot raise it or grab the keyboard;
// over thousands of steps that would bury everything else.
QtMessageHandler PreviousMessageHandler = nullptr;

void QuietPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    PreviousMessageHandler(type, context, message);
}

// Opens the list with the mouse, which moves the keyboard focus to it, and picks the entry. The
// headless platform hands the activation to the list's pop-up and keeps it there; a desktop gives
// it back to the window when the pop-up closes.
void ClickAndChoose(QComboBox* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    list->setFocus(Qt::MouseFocusReason);
    Choose(list, text);
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(list->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(list->window()));
}

enum class Focus { Elsewhere, ObjectQuantity, ApertureQuantity };

// One group of result fields as the window should show it: the unit its list shows and the
// texts of the object, aperture and total fields, in that order.
struct ResultGroup {
    std::size_t Unit = 0;
    std::array<std::string, 3> Texts;
    bool Written = false;
};

// What one step should have made the window show or ask, apart from its state.
struct StepEvents {
    int Warnings = 0;
    std::vector<std::string> ErrorBoxes;
    int Beeps = 0;
    std::vector<std::string> CatalogueEvents;
};

// What the run went through, printed at its end to show what it covered.
struct Tally {
    int Calculations = 0;
    int Refused = 0;
    int Errors = 0;
    int DisplayOverflows = 0;
    int Undos = 0;
    int Resets = 0;
    int MaterialsAdded = 0;
    int MaterialsRemoved = 0;
    int ListEmptied = 0;
    std::size_t MostMaterials = 0;
};

// The window as recomputed from the user's actions: the running totals, the undo step, the
// display, the input fields, the material list and the material file.
struct Model {
    // A row of the parts list, with what its figures are computed from again when it is edited.
    struct ListRow {
        CalcGroup Group = CalcGroup::Object;
        long double PerPiece = 0; // in cubes of the length unit
        LengthUnit Unit = LengthUnit::Millimeter;
        std::int32_t Density = 0;
        std::int32_t Quantity = 1;
        double Volume = 0; // as the totals add it: positive for an aperture too
        double Mass = 0;
        std::optional<long double> SurfacePerPiece{}; // an object's, in squares of the length unit
        std::optional<double> Surface{};              // m², none where a double cannot hold it
    };
    LedgerTotals Totals;
    // Every state the list went through; undo and redo move between them, a change drops those
    // after the current one.
    std::vector<std::vector<ListRow>> States{{}};
    std::size_t At = 0;
    const std::vector<ListRow>& Rows() const { return States[At]; }
    bool UndoAvailable() const { return At > 0; }
    bool RedoAvailable() const { return At + 1 < States.size(); }
    void Change(std::vector<ListRow> rows) {
        States.resize(At + 1);
        States.push_back(std::move(rows));
        ++At;
    }
    // The totals added in list order; throws as the ledger does when one overflows.
    static LedgerTotals SumOf(const std::vector<ListRow>& rows) {
        LedgerTotals sum;
        for (const ListRow& row : rows) {
            const bool object = row.Group == CalcGroup::Object;
            double& volume = object ? sum.ObjectVolume : sum.ApertureVolume;
            double& mass = object ? sum.ObjectMass : sum.ApertureMass;
            volume = StoreDouble(static_cast<long double>(volume) + row.Volume);
            mass = StoreDouble(static_cast<long double>(mass) + row.Mass);
            if (row.Surface) {
                sum.ObjectSurface = StoreDouble(static_cast<long double>(sum.ObjectSurface) + *row.Surface);
            }
            sum.TotalVolume = StoreDouble(static_cast<long double>(sum.ObjectVolume) - sum.ApertureVolume);
            sum.TotalMass = StoreDouble(static_cast<long double>(sum.ObjectMass) - sum.ApertureMass);
            ++sum.UnpricedRows;
        }
        return sum;
    }
    // A row's figures for a quantity, as the ledger computes them.
    static void Compute(ListRow& row) {
        const double raw = StoreDouble(row.PerPiece * row.Quantity / 1000000000.0L);
        row.Volume = ScaleVolumeToCubicMetres(raw, row.Unit);
        row.Mass = StoreDouble(static_cast<long double>(row.Density) * row.Volume);
        row.Surface.reset();
        if (row.SurfacePerPiece) {
            try {
                row.Surface = SquareMetresOf(*row.SurfacePerPiece * row.Quantity, row.Unit);
            } catch (const CalculationError&) {
            }
        }
    }
    ResultGroup Volume{static_cast<std::size_t>(VolumeUnit::Meter), {}};
    ResultGroup Mass{static_cast<std::size_t>(MassUnit::Kilogram), {}};

    std::vector<std::string> Names;
    std::vector<std::int32_t> Densities;
    std::vector<std::string> FileNames; // as written into the file
    int Selected = -1;
    std::string DensityText = "0";

    const ShapeEntry* ObjectShape = &ObjectShapes.front();
    const ShapeEntry* ApertureShape = &ApertureShapes.front();
    std::map<std::string, std::string, std::less<>> Fields; // parameter fields typed into
    std::string ObjectQuantity = "1";
    std::string ApertureQuantity = "1";
    LengthUnit ObjectUnit = LengthUnit::Millimeter;
    LengthUnit ApertureUnit = LengthUnit::Millimeter;
    Focus FocusAt = Focus::Elsewhere;

    StepEvents Events;
    Tally Seen;

    std::string& QuantityOf(CalcGroup group) {
        return group == CalcGroup::Object ? ObjectQuantity : ApertureQuantity;
    }

    // The keyboard focus moves; a quantity field that loses it is clamped into 1..1000.
    void MoveFocus(Focus to) {
        if (FocusAt != to && FocusAt != Focus::Elsewhere) {
            std::string& left = FocusAt == Focus::ObjectQuantity ? ObjectQuantity : ApertureQuantity;
            left = QuantityFieldRules.Leave(left);
        }
        FocusAt = to;
    }
    static Focus QuantityFocus(CalcGroup group) {
        return group == CalcGroup::Object ? Focus::ObjectQuantity : Focus::ApertureQuantity;
    }

    void ShowTotals() {
        Volume.Texts = {FormatResult(Totals.ObjectVolume), FormatResult(Totals.ApertureVolume),
                        FormatResult(Totals.TotalVolume)};
        Mass.Texts = {FormatResult(Totals.ObjectMass), FormatResult(Totals.ApertureMass),
                      FormatResult(Totals.TotalMass)};
        Volume.Written = Mass.Written = true;
    }

    void ErrorBox(const CalculationError& error) { Events.ErrorBoxes.push_back(ErrorBoxText(error.what())); }

    void Calculate(CalcGroup group) {
        const ShapeEntry& entry = group == CalcGroup::Object ? *ObjectShape : *ApertureShape;
        const std::int32_t quantity = QuantityFieldRules.Read(QuantityOf(group));
        std::vector<std::string> texts;
        for (const ShapeParameter& parameter : entry.Parameters) {
            const auto field = Fields.find(names::Field(group, entry.DisplayName, parameter.Letter));
            texts.push_back(field == Fields.end() ? std::string() : field->second);
        }
        for (const std::string& text : texts) {
            if (text.empty()) {
                ++Events.Warnings;
                return;
            }
        }
        const std::int32_t density = Selected >= 0 ? Densities[static_cast<std::size_t>(Selected)] : 0;
        LedgerTotals next = Totals;
        ListRow added{group, 0, group == CalcGroup::Object ? ObjectUnit : ApertureUnit, density, quantity,
                      0,     0};
        try {
            std::vector<double> values;
            for (const std::string& text : texts) {
                values.push_back(ParseDecimalText(text));
            }
            const std::optional<long double> perPiece = entry.Rule->VolumePerPiece(values);
            if (!perPiece) {
                ++Events.Warnings;
                return;
            }
            added.PerPiece = *perPiece;
            const double raw = StoreDouble(*perPiece * quantity / 1000000000.0L);
            const double volume =
                ScaleVolumeToCubicMetres(raw, group == CalcGroup::Object ? ObjectUnit : ApertureUnit);
            const double mass = StoreDouble(static_cast<long double>(density) * volume);
            double& volumeSum = group == CalcGroup::Object ? next.ObjectVolume : next.ApertureVolume;
            double& massSum = group == CalcGroup::Object ? next.ObjectMass : next.ApertureMass;
            volumeSum = StoreDouble(static_cast<long double>(volumeSum) + volume);
            massSum = StoreDouble(static_cast<long double>(massSum) + mass);
            next.TotalVolume = StoreDouble(static_cast<long double>(next.ObjectVolume) - next.ApertureVolume);
            next.TotalMass = StoreDouble(static_cast<long double>(next.ObjectMass) - next.ApertureMass);
            if (group == CalcGroup::Object) {
                // An object's surface counts unless a double cannot hold it; an aperture has none.
                std::optional<double> surface;
                added.SurfacePerPiece = entry.Rule->SurfacePerPiece(values);
                try {
                    surface = SquareMetresOf(*added.SurfacePerPiece * quantity, ObjectUnit);
                } catch (const CalculationError&) {
                }
                if (surface) {
                    next.ObjectSurface = StoreDouble(static_cast<long double>(next.ObjectSurface) + *surface);
                }
            }
            ++next.UnpricedRows; // no material of this run has a price
        } catch (const CalculationError& error) {
            ErrorBox(error); // a failed calculation changes nothing at all
            return;
        }
        ++Seen.Calculations;
        Compute(added);
        std::vector<ListRow> rows = Rows();
        rows.push_back(added);
        Change(std::move(rows));
        Totals = next;
        Volume.Unit = static_cast<std::size_t>(VolumeUnit::Meter);
        Mass.Unit = static_cast<std::size_t>(MassUnit::Kilogram);
        DensityText = IntegerText(density);
        ShowTotals();
    }

    // Any change to the list shows its totals in cubic metres and kilograms, as a calculation does.
    void ShowList() {
        Totals = SumOf(Rows());
        Volume.Unit = static_cast<std::size_t>(VolumeUnit::Meter);
        Mass.Unit = static_cast<std::size_t>(MassUnit::Kilogram);
        ShowTotals();
    }

    // The main window's Undo and the list's take back the last change, whichever made it.
    void Undo() {
        ++Seen.Undos;
        --At;
        ShowList();
    }

    void Redo() {
        ++At;
        ShowList();
    }

    void Reset() {
        ++Seen.Resets;
        if (!Rows().empty()) {
            Change({});
        }
        Totals = {};
        ShowTotals();
    }

    void Delete(std::size_t at) {
        std::vector<ListRow> rows = Rows();
        rows.erase(rows.begin() + std::ptrdiff_t(at));
        Change(std::move(rows));
        ShowList();
    }

    // A quantity typed into a row's cell: read as the quantity field reads it, the row computed
    // again with the density it holds; an overflow is told and changes nothing.
    void EditQuantity(std::size_t at, const std::string& text) {
        std::vector<ListRow> rows = Rows();
        ListRow& row = rows[at];
        const std::int32_t quantity = QuantityFieldRules.Clamp(QuantityFieldRules.Read(text));
        if (quantity == row.Quantity) {
            return;
        }
        row.Quantity = quantity;
        try {
            Compute(row);
            SumOf(rows);
        } catch (const CalculationError& error) {
            ErrorBox(error);
            return;
        }
        Change(std::move(rows));
        ShowList();
    }

    // A display unit picked: the group's three figures are converted first; a conversion that
    // overflows writes nothing, shows its error box and leaves the list on the unit before.
    template <typename Convert>
    void ShowGroupIn(ResultGroup& group, std::size_t unit, const std::array<double, 3>& values,
                     Convert convert) {
        std::array<std::string, 3> texts;
        for (std::size_t i = 0; i < values.size(); ++i) {
            try {
                texts[i] = FormatResult(convert(values[i]));
            } catch (const CalculationError& error) {
                ErrorBox(error);
                ++Seen.DisplayOverflows;
                return;
            }
        }
        group.Unit = unit;
        group.Texts = texts;
        group.Written = true;
    }
    void ShowVolumesIn(VolumeUnit unit) {
        ShowGroupIn(Volume, static_cast<std::size_t>(unit),
                    {Totals.ObjectVolume, Totals.ApertureVolume, Totals.TotalVolume},
                    [unit](double value) { return VolumeForDisplay(value, unit); });
    }
    void ShowMassesIn(MassUnit unit) {
        ShowGroupIn(Mass, static_cast<std::size_t>(unit),
                    {Totals.ObjectMass, Totals.ApertureMass, Totals.TotalMass},
                    [unit](double value) { return MassForDisplay(value, unit); });
    }

    // The first entry with the picked text is the one selected.
    void PickMaterial(const std::string& name) {
        for (std::size_t i = 0; i < Names.size(); ++i) {
            if (Names[i] == name) {
                Selected = static_cast<int>(i);
                DensityText = IntegerText(Densities[i]);
                return;
            }
        }
    }

    void AddMaterial(bool ok, const std::string& name, std::int32_t density) {
        Events.CatalogueEvents.push_back("add-dialog");
        if (!ok) {
            return;
        }
        if (name.find_first_not_of(" \t") == std::string::npos) {
            Events.CatalogueEvents.push_back(
                "error: Error at addition of a material\nThe material needs a name.");
            return;
        }
        if (Characters(name) > 2047) { // the file could not give it back whole
            Events.CatalogueEvents.push_back(
                "error: Error at addition of a material\nThe name is longer than 2047 characters.");
            return;
        }
        ++Seen.MaterialsAdded;
        Names.push_back(name);
        Densities.push_back(density);
        Seen.MostMaterials = std::max(Seen.MostMaterials, Names.size());
        FileNames.push_back(name); // appended as typed; the other lines stay as they are
        ShowFileNames();
    }

    // The list shown after a change is what the file reads as.
    void ShowFileNames() {
        Names.clear();
        for (const std::string& written : FileNames) {
            Names.push_back(ReadBack(written));
        }
    }

    // After "&Yes" the entries above the selected one move down as the file holds them, and the
    // list is read back from the file with its first material selected.
    void RemoveMaterial(bool yes) {
        Events.CatalogueEvents.push_back("busy");
        if (!Names.empty() && Selected >= 0) {
            Events.CatalogueEvents.push_back("confirm: " + std::string(RemoveConfirmation));
            if (yes) {
                ++Seen.MaterialsRemoved;
                for (auto i = static_cast<std::size_t>(Selected); i + 1 < FileNames.size(); ++i) {
                    FileNames[i] = FileNames[i + 1]; // each line's text moves as it stands
                    Densities[i] = Densities[i + 1];
                }
                FileNames.pop_back();
                Densities.pop_back();
                ShowFileNames();
                Selected = Names.empty() ? -1 : 0;
                Seen.ListEmptied += Names.empty() ? 1 : 0;
                if (!Names.empty()) {
                    DensityText = IntegerText(Densities.front());
                }
            }
        }
        Events.CatalogueEvents.push_back("normal");
    }
};

class RandomRun : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        m_model.Names = {"Steel", "Aluminium", "Water"};
        m_model.FileNames = m_model.Names;
        m_model.Densities = {7850, 2700, 1000};
        m_model.Selected = 0;
        m_model.DensityText = "7850";
        m_trace = std::getenv("VOLCALC_RANDOM_TRACE") != nullptr;
        PreviousMessageHandler = qInstallMessageHandler(QuietPlatformMessages);
    }
    void TearDown() override {
        qInstallMessageHandler(PreviousMessageHandler);
        FormFixture::TearDown();
    }

    void Run(std::uint32_t seed, std::uint64_t steps);

private:
    using ActionFn = void (RandomRun::*)();
    struct Action {
        int Weight;
        ActionFn Run;
    };

    // Random choices, the same on every machine for the same seed.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(m_random() % bound); }
    bool Percent(std::size_t chance) { return Below(100) < chance; }
    template <typename T> T OneOf(std::initializer_list<T> items) {
        return items.begin()[Below(items.size())];
    }

    std::string NumberText();
    std::string ParameterText();
    std::string MaterialName();
    std::int32_t MaterialDensity();
    bool ListGrowing() const;

    // The user's actions.
    void ChooseObjectShape();
    void ChooseApertureShape();
    void TypeParameter();
    void TypeQuantity();
    void PasteQuantity();
    void StepQuantity();
    void ChooseLengthUnit();
    void CalculateObject();
    void CalculateAperture();
    void PressUndo();
    void PressReset();
    // In the parts list, which stays hidden: its keys act on it wherever its window is.
    QWidget* PartsList();
    void DeleteRow();
    void EditQuantity();
    void ListUndo();
    void ListRedo();
    void ChooseVolumeUnit();
    void ChooseMassUnit();
    void PickMaterial();
    void AddMaterial();
    void RemoveMaterial();

    void Note(std::string action);
    // Every difference between the window and the model after a step; empty when none.
    std::vector<std::string> Differences();
    void CompareEvents(std::vector<std::string>& differences);
    void CompareMaterialFile(std::vector<std::string>& differences);

    QWidget* Control(const std::string& name);
    template <typename Widget> Widget* ControlAs(const std::string& name) {
        return qobject_cast<Widget*>(Control(name));
    }
    QString LineText(const std::string& name) {
        auto* field = ControlAs<QLineEdit>(name);
        return field ? field->text() : QStringLiteral("<no field>");
    }

    std::mt19937 m_random;
    Model m_model;
    std::deque<std::string> m_recent;
    std::uint64_t m_step = 0;
    bool m_trace = false;
    std::map<std::string, QWidget*, std::less<>> m_controls;
};

QWidget* RandomRun::Control(const std::string& name) {
    const auto found = m_controls.find(name);
    if (found != m_controls.end()) {
        return found->second;
    }
    QWidget* widget = Find(name.c_str());
    m_controls.emplace(name, widget);
    return widget;
}

void RandomRun::Note(std::string action) {
    action = "step " + std::to_string(m_step) + ": " + action;
    if (m_trace) {
        std::cout << action << std::endl;
    }
    m_recent.push_back(std::move(action));
    if (m_recent.size() > RememberedActions) {
        m_recent.pop_front();
    }
}

// A number as a user types it: whole or with either separator, sometimes with an exponent.
std::string RandomRun::NumberText() {
    const std::string whole = std::to_string(1 + Below(Percent(80) ? 2000 : 100000));
    switch (Below(10)) {
    case 0:
    case 1:
    case 2:
        return whole;
    case 3:
    case 4:
    case 5: {
        std::string fraction = std::to_string(Below(1000));
        fraction.resize(1 + Below(3), '5');
        return whole + (Percent(50) ? "." : ",") + fraction;
    }
    case 6:
        return OneOf({".5", ",25", "0.1", "5.", "7,", "0,001", "2.50"});
    case 7:
        return OneOf({"2e3", "1.5e2", "1e-3", "25E1", "3,2e1"});
    case 8:
        return OneOf(
            {"1e300", "1e308", "3e150", "1e100", "1e-300", "5e-324", "1e600", "1.7976931348623157e308"});
    default:
        return "0." + std::to_string(Below(1000000));
    }
}

std::string RandomRun::ParameterText() {
    const std::size_t kind = Below(100);
    if (kind < 70) {
        return NumberText();
    }
    if (kind < 76) {
        return OneOf({"0", "0.0", "-0", ",0"});
    }
    if (kind < 84) {
        return "-" + NumberText();
    }
    return OneOf({"12a", "",     " ",   "1.2.3", "1,2.3", "1.2,3", "-",   ".",  ",",      "abc", "1 000", "+",
                  "e5",  "0x10", "$10", "1e",    "--1",   " 12 ",  "12 ", " 7", "1e6000", "NaN", "inf"});
}

std::string RandomRun::MaterialName() {
    static const char* const Names[] = {"Steel",    "Copper",   "Oak", "Granite", "Lead",   "Glass",
                                        "Concrete", "Titanium", "Ice", "Cork",    "Brass",  "PVC",
                                        "Сталь 45", "Ærø",      "A=B", "[x]",     "; note", "50% Zn"};
    std::string name = Names[Below(std::size(Names))];
    switch (Below(12)) {
    case 0:
        return "";
    case 1:
        return "  " + name + " ";
    case 2:
        return "\"" + name + "\"";
    case 3:
        return std::string(3000, 'x');
    case 4:
        return m_model.Names.empty() ? name : m_model.Names[Below(m_model.Names.size())];
    case 5:
        return "'  " + name + "'";
    default:
        return name + " " + std::to_string(Below(100));
    }
}

std::int32_t RandomRun::MaterialDensity() {
    switch (Below(10)) {
    case 0:
        return 0;
    case 1:
        return -static_cast<std::int32_t>(Below(5000));
    case 2:
        return OneOf({INT32_MAX, INT32_MIN, 1});
    default:
        return static_cast<std::int32_t>(100 + Below(22000));
    }
}

void RandomRun::ChooseObjectShape() {
    const ShapeEntry& entry = ObjectShapes[Below(ObjectShapes.size())];
    Note("object shape " + Quoted(entry.DisplayName));
    ClickAndChoose(ControlAs<QComboBox>(names::ObjectShapeList), QString::fromUtf8(entry.DisplayName));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.ObjectShape = &entry;
    m_model.ObjectQuantity = "1";
}

void RandomRun::ChooseApertureShape() {
    const ShapeEntry& entry = ApertureShapes[Below(ApertureShapes.size())];
    Note("aperture shape " + Quoted(entry.DisplayName));
    ClickAndChoose(ControlAs<QComboBox>(names::ApertureShapeList), QString::fromUtf8(entry.DisplayName));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.ApertureShape = &entry;
}

void RandomRun::TypeParameter() {
    const bool object = m_model.ApertureShape->Rule == nullptr || Percent(60);
    const ShapeEntry& entry = object ? *m_model.ObjectShape : *m_model.ApertureShape;
    const ShapeParameter& parameter = entry.Parameters[Below(entry.Parameters.size())];
    const std::string field(
        names::Field(object ? CalcGroup::Object : CalcGroup::Aperture, entry.DisplayName, parameter.Letter));
    const std::string text = ParameterText();
    Note("type " + Quoted(text) + " into " + field + " (" + (object ? "object " : "aperture ") +
         std::string(entry.DisplayName) + " " + std::string(parameter.Letter) + ")");
    TypeInto(Control(field), QString::fromStdString(text));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.Fields[field] = text;
}

void RandomRun::TypeQuantity() {
    const CalcGroup group = Percent(50) ? CalcGroup::Object : CalcGroup::Aperture;
    const std::string text = Percent(60) ? std::to_string(1 + Below(Percent(80) ? 12 : 1200))
                                         : OneOf({"0", "5000", "-7", "12a", "", "1.5", "+5", "1000", "1001",
                                                  "007", "x", " ", "2,5", "-0", "99999999999"});
    const char* name = group == CalcGroup::Object ? names::ObjectQuantity : names::ApertureQuantity;
    Note("type " + Quoted(text) + " into " + name);
    TypeInto(Control(name), QString::fromStdString(text));
    m_model.MoveFocus(Model::QuantityFocus(group));
    std::string accepted;
    for (const char c : text) {
        if (QuantityFieldRules.AcceptsKey(static_cast<unsigned char>(c))) {
            accepted += c;
        } else {
            ++m_model.Events.Beeps;
        }
    }
    // Ctrl+A selects the text; only an accepted key replaces it, and Delete empties it.
    if (text.empty() || !accepted.empty()) {
        m_model.QuantityOf(group) = accepted;
    }
}

void RandomRun::PasteQuantity() {
    const CalcGroup group = Percent(50) ? CalcGroup::Object : CalcGroup::Aperture;
    const std::string text = OneOf({"$10", "0x7FFFFFFF", "$FFFFFFFF", " 12", "12 ", "abc", "1e3",
                                    "99999999999", "-2147483648", "0X1f", "x3E8", "$", "  $2"});
    const char* name = group == CalcGroup::Object ? names::ObjectQuantity : names::ApertureQuantity;
    Note("paste " + Quoted(text) + " into " + name);
    QApplication::clipboard()->setText(QString::fromStdString(text));
    TypeInto(Control(name), QString());
    QTest::keyClick(Control(name), Qt::Key_V, Qt::ControlModifier);
    m_model.MoveFocus(Model::QuantityFocus(group));
    m_model.QuantityOf(group) = text;
}

void RandomRun::StepQuantity() {
    const CalcGroup group = Percent(50) ? CalcGroup::Object : CalcGroup::Aperture;
    const bool up = Percent(50);
    const char* name = group == CalcGroup::Object ? names::ObjectQuantity : names::ApertureQuantity;
    Note(std::string(up ? "Up" : "Down") + " in " + name);
    ClickOn(Control(name));
    QTest::keyClick(Control(name), up ? Qt::Key_Up : Qt::Key_Down);
    m_model.MoveFocus(Model::QuantityFocus(group));
    std::string& text = m_model.QuantityOf(group);
    text = up ? QuantityFieldRules.StepUp(text) : QuantityFieldRules.StepDown(text);
}

void RandomRun::ChooseLengthUnit() {
    const bool object = Percent(50);
    const auto unit = static_cast<LengthUnit>(Below(LengthUnitNames.size()));
    const char* name = object ? names::ObjectUnitList : names::ApertureUnitList;
    Note("length unit " + Quoted(NameOf(unit)) + " in " + name);
    ClickAndChoose(ControlAs<QComboBox>(name), QString::fromUtf8(NameOf(unit)));
    m_model.MoveFocus(Focus::Elsewhere);
    (object ? m_model.ObjectUnit : m_model.ApertureUnit) = unit;
}

void RandomRun::CalculateObject() {
    Note("click BitBtn5 (calculate object)");
    ClickOn(Control(names::ObjectCalculateButton));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.Calculate(CalcGroup::Object);
}

void RandomRun::CalculateAperture() {
    const bool enabled = m_model.ApertureShape->Rule != nullptr;
    Note(std::string("click BitBtn7 (calculate aperture)") + (enabled ? "" : ", disabled"));
    ClickOn(Control(names::ApertureCalculateButton));
    if (enabled) {
        m_model.MoveFocus(Focus::Elsewhere);
        m_model.Calculate(CalcGroup::Aperture);
    }
}

void RandomRun::PressUndo() {
    Note(std::string("click SpeedButton5 (undo)") + (m_model.UndoAvailable() ? "" : ", disabled"));
    ClickOn(Control(names::UndoButton));
    if (m_model.UndoAvailable()) {
        m_model.Undo();
    }
}

QWidget* RandomRun::PartsList() {
    auto* window = Form().findChild<QWidget*>(names::parts_list::Window);
    if (!window) {
        Form().ShowPartsList();
        window = Form().findChild<QWidget*>(names::parts_list::Window);
        window->hide();
        // Another window taking the activation leaves the main window's focus where it was.
        QApplication::setActiveWindow(&Form());
    }
    return window;
}

void RandomRun::DeleteRow() {
    if (m_model.Rows().empty()) {
        return;
    }
    const std::size_t at = Below(m_model.Rows().size());
    Note("delete row " + std::to_string(at + 1) + " of the parts list");
    auto* table = PartsList()->findChild<QTableView*>(names::parts_list::Table);
    table->selectRow(int(at));
    PartsList()->findChild<QAction*>(names::parts_list::DeleteAction)->trigger();
    m_model.Delete(at);
}

// Typed into the row's quantity editor, as the list's delegate hands it over.
void RandomRun::EditQuantity() {
    if (m_model.Rows().empty()) {
        return;
    }
    const std::size_t at = Below(m_model.Rows().size());
    const std::string text =
        Percent(80) ? std::to_string(1 + Below(1000)) : OneOf({"0", "-5", "4x", "5000", ""});
    Note("quantity of row " + std::to_string(at + 1) + " := " + Quoted(text));
    auto* table = PartsList()->findChild<QTableView*>(names::parts_list::Table);
    const QModelIndex cell = table->model()->index(int(at), ui::PartsListModel::QuantityColumn);
    QAbstractItemDelegate* delegate = table->itemDelegate();
    std::unique_ptr<QWidget> editor(delegate->createEditor(table->viewport(), QStyleOptionViewItem(), cell));
    delegate->setEditorData(editor.get(), cell);
    qobject_cast<QLineEdit*>(editor.get())->setText(QString::fromStdString(text));
    delegate->setModelData(editor.get(), table->model(), cell);
    QApplication::processEvents();
    m_model.EditQuantity(at, text);
}

void RandomRun::ListUndo() {
    Note(std::string("undo in the parts list") + (m_model.UndoAvailable() ? "" : ", disabled"));
    PartsList()->findChild<QAction*>(names::parts_list::UndoAction)->trigger();
    if (m_model.UndoAvailable()) {
        m_model.Undo();
    }
}

void RandomRun::ListRedo() {
    Note(std::string("redo in the parts list") + (m_model.RedoAvailable() ? "" : ", disabled"));
    PartsList()->findChild<QAction*>(names::parts_list::RedoAction)->trigger();
    if (m_model.RedoAvailable()) {
        m_model.Redo();
    }
}

void RandomRun::PressReset() {
    Note("click SpeedButton6 (reset)");
    ClickOn(Control(names::ResetButton));
    m_model.Reset();
}

void RandomRun::ChooseVolumeUnit() {
    const auto unit = static_cast<VolumeUnit>(Below(VolumeUnitNames.size()));
    Note("volume display unit " + Quoted(NameOf(unit)));
    ClickAndChoose(ControlAs<QComboBox>(names::VolumeUnitList), QString::fromUtf8(NameOf(unit)));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.ShowVolumesIn(unit);
}

void RandomRun::ChooseMassUnit() {
    const auto unit = static_cast<MassUnit>(Below(MassUnitNames.size()));
    Note("mass display unit " + Quoted(NameOf(unit)));
    ClickAndChoose(ControlAs<QComboBox>(names::MassUnitList), QString::fromUtf8(NameOf(unit)));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.ShowMassesIn(unit);
}

void RandomRun::PickMaterial() {
    if (m_model.Names.empty()) {
        AddMaterial();
        return;
    }
    const std::string name = m_model.Names[Below(m_model.Names.size())];
    Note("material " + Quoted(name));
    ClickAndChoose(ControlAs<QComboBox>(names::MaterialList), QString::fromStdString(name));
    m_model.MoveFocus(Focus::Elsewhere);
    m_model.PickMaterial(name);
}

// The material list grows and shrinks in turns, so that long lists and the empty one both occur.
bool RandomRun::ListGrowing() const {
    return (m_step / 1500) % 2 == 0;
}

void RandomRun::AddMaterial() {
    Dialogs.AddAnswer = Percent(ListGrowing() ? 90 : 50);
    Dialogs.NewName = MaterialName();
    Dialogs.NewDensity = MaterialDensity();
    Note("click SpeedButton7 (add material), answer " +
         (Dialogs.AddAnswer ? Quoted(Dialogs.NewName) + " " + std::to_string(Dialogs.NewDensity) : "Cancel"));
    ClickOn(Control(names::AddMaterialButton));
    m_model.AddMaterial(Dialogs.AddAnswer, Dialogs.NewName, Dialogs.NewDensity);
}

void RandomRun::RemoveMaterial() {
    Dialogs.ConfirmAnswer = Percent(ListGrowing() ? 40 : 90);
    Note(std::string("click SpeedButton8 (remove material), answer ") +
         (Dialogs.ConfirmAnswer ? "Yes" : "No"));
    ClickOn(Control(names::RemoveMaterialButton));
    m_model.RemoveMaterial(Dialogs.ConfirmAnswer);
}

std::vector<std::string> RandomRun::Differences() {
    std::vector<std::string> differences;
    const auto expect = [&differences](bool holds, const std::string& what) {
        if (!holds) {
            differences.push_back(what);
        }
    };
    const auto expectText = [&](const std::string& control, const std::string& expected) {
        const std::string shown = LineText(control).toStdString();
        expect(shown == expected, control + " shows " + Quoted(shown) + ", expected " + Quoted(expected));
    };
    const auto listText = [this](const char* name) {
        auto* list = ControlAs<QComboBox>(name);
        return list ? list->currentText().toStdString() : std::string("<no list>");
    };

    // The six fields: the model's totals in the units the two lists show.
    const Model& model = m_model;
    const LedgerTotals& totals = model.Totals;
    struct Group {
        const ResultGroup& Expected;
        const char* List;
        std::array<const char*, 3> Fields;
        std::array<double, 3> Values;
    };
    const Group groups[] = {
        {model.Volume,
         names::VolumeUnitList,
         {names::ObjectVolumeField, names::ApertureVolumeField, names::TotalVolumeField},
         {totals.ObjectVolume, totals.ApertureVolume, totals.TotalVolume}},
        {model.Mass,
         names::MassUnitList,
         {names::ObjectMassField, names::ApertureMassField, names::TotalMassField},
         {totals.ObjectMass, totals.ApertureMass, totals.TotalMass}},
    };
    for (const Group& group : groups) {
        const bool volume = &group.Expected == &model.Volume;
        const std::string shownUnit = listText(group.List);
        const std::string expectedUnit(volume ? VolumeUnitNames[group.Expected.Unit]
                                              : MassUnitNames[group.Expected.Unit]);
        expect(shownUnit == expectedUnit, std::string(group.List) + " shows " + Quoted(shownUnit) +
                                              ", expected " + Quoted(expectedUnit));
        for (std::size_t i = 0; i < group.Fields.size(); ++i) {
            std::string expected;
            if (group.Expected.Written) {
                try {
                    expected = FormatResult(
                        volume ? VolumeForDisplay(group.Values[i],
                                                  VolumeUnitFromName(shownUnit).value_or(VolumeUnit::Meter))
                               : MassForDisplay(group.Values[i],
                                                MassUnitFromName(shownUnit).value_or(MassUnit::Kilogram)));
                } catch (const CalculationError& error) {
                    expected = std::string("<") + error.what() + ">";
                }
                expect(expected == group.Expected.Texts[i],
                       std::string("model: ") + group.Fields[i] + " would be " +
                           Quoted(group.Expected.Texts[i]) + " but its totals in " + shownUnit + " give " +
                           Quoted(expected));
            }
            expectText(group.Fields[i], expected);
        }
    }

    // The parts list holds a row per calculation that counts, and its totals rows (object,
    // aperture with the sign of its rows, result) show the six fields' figures with four
    // significant digits at least.
    const auto* partsList = Form().findChild<const QAbstractItemModel*>(names::parts_list::Model);
    expect(partsList && std::size_t(partsList->rowCount()) == model.Rows().size() + 3,
           "the parts list has " + std::to_string(partsList ? partsList->rowCount() - 3 : -1) +
               " rows, expected " + std::to_string(model.Rows().size()));
    for (std::size_t i = 0;
         partsList && i < model.Rows().size() && i + 3 < std::size_t(partsList->rowCount()); ++i) {
        const std::string quantity =
            partsList->index(int(i), ui::PartsListModel::QuantityColumn).data().toString().toStdString();
        expect(quantity == std::to_string(model.Rows()[i].Quantity),
               "row " + std::to_string(i + 1) + " has quantity " + quantity + ", expected " +
                   std::to_string(model.Rows()[i].Quantity));
    }
    for (int i = 0; partsList && i < 3; ++i) {
        const int row = partsList->rowCount() - 3 + i;
        for (const auto& [column, group] : {std::pair{9, &groups[0]}, std::pair{11, &groups[1]}}) {
            const std::string cell = partsList->index(row, column).data().toString().toStdString();
            const char* field = group->Fields[std::size_t(i)];
            std::string expected = LineText(field).toStdString();
            if (group->Expected.Written) {
                const double value = (i == 1 ? -1 : 1) * group->Values[std::size_t(i)];
                try {
                    expected = FormatListFigure(
                        column == 9 ? VolumeForDisplay(value, VolumeUnit(group->Expected.Unit))
                                    : MassForDisplay(value, MassUnit(group->Expected.Unit)));
                } catch (const CalculationError& error) {
                    expected = error.what();
                }
            }
            expect(cell == expected, "the parts list's totals show " + Quoted(cell) + " where " + field +
                                         " shows " + Quoted(LineText(field).toStdString()) + ", expected " +
                                         Quoted(expected));
        }
    }

    // The totals themselves, to the last bit, and the results as the differences of the stored sums.
    const LedgerTotals& ledger = Form().LedgerState().Totals();
    expect(ledger == totals, "ledger holds " + Exact(ledger) + ", expected " + Exact(totals));
    expect(totals.TotalVolume == Difference(totals.ObjectVolume, totals.ApertureVolume) &&
               totals.TotalMass == Difference(totals.ObjectMass, totals.ApertureMass),
           "model totals are not object minus aperture: " + Exact(totals));
    expect(ledger.TotalVolume == Difference(ledger.ObjectVolume, ledger.ApertureVolume),
           "ledger TotalVolume " + Exact(ledger.TotalVolume) + " is not ObjectVolume - ApertureVolume " +
               Exact(Difference(ledger.ObjectVolume, ledger.ApertureVolume)));
    expect(ledger.TotalMass == Difference(ledger.ObjectMass, ledger.ApertureMass),
           "ledger TotalMass " + Exact(ledger.TotalMass) + " is not ObjectMass - ApertureMass " +
               Exact(Difference(ledger.ObjectMass, ledger.ApertureMass)));

    const auto enabled = [this](const char* name) {
        QWidget* widget = Control(name);
        return widget != nullptr && widget->isEnabled();
    };
    expect(enabled(names::UndoButton) == model.UndoAvailable(),
           std::string("Undo is ") + (model.UndoAvailable() ? "disabled" : "enabled") +
               ", expected the opposite");
    expect(enabled(names::ApertureCalculateButton) == (model.ApertureShape->Rule != nullptr),
           "BitBtn7 enabled is " + std::to_string(enabled(names::ApertureCalculateButton)) +
               " with aperture " + Quoted(model.ApertureShape->DisplayName));

    // The inputs as typed and chosen.
    expect(listText(names::ObjectShapeList) == model.ObjectShape->DisplayName,
           "ComboBox2 shows " + Quoted(listText(names::ObjectShapeList)));
    expect(listText(names::ApertureShapeList) == model.ApertureShape->DisplayName,
           "ComboBox3 shows " + Quoted(listText(names::ApertureShapeList)));
    expect(listText(names::ObjectUnitList) == NameOf(model.ObjectUnit),
           "ComboBox11 shows " + Quoted(listText(names::ObjectUnitList)));
    expect(listText(names::ApertureUnitList) == NameOf(model.ApertureUnit),
           "ComboBox4 shows " + Quoted(listText(names::ApertureUnitList)));
    expectText(names::ObjectQuantity, model.ObjectQuantity);
    expectText(names::ApertureQuantity, model.ApertureQuantity);
    for (const auto& [field, text] : model.Fields) {
        expectText(field, text);
    }

    // The material list, its selection and the density in force.
    auto* materials = ControlAs<QComboBox>(names::MaterialList);
    std::vector<std::string> listed;
    for (int i = 0; materials != nullptr && i < materials->count(); ++i) {
        listed.push_back(materials->itemText(i).toStdString());
    }
    expect(listed == model.Names, "ComboBox1 lists " + std::to_string(listed.size()) +
                                      " materials, expected " + std::to_string(model.Names.size()) +
                                      " as the model has them");
    expect(materials != nullptr && materials->currentIndex() == model.Selected,
           "ComboBox1 selects " + std::to_string(materials ? materials->currentIndex() : -2) + ", expected " +
               std::to_string(model.Selected));
    expectText(names::DensityField, model.DensityText);
    expect(DensitiesOf(Form().Catalogue().Materials()) == model.Densities,
           "the window's densities differ from the model's");

    CompareMaterialFile(differences);
    CompareEvents(differences);
    return differences;
}

// The file, read by a catalogue of its own, holds the list the window shows.
void RandomRun::CompareMaterialFile(std::vector<std::string>& differences) {
    ScriptedDialogs none; // only reads the file: no dialog is ever shown
    MaterialCatalogue reread(IniPath(), none);
    reread.LoadMaterials();
    const std::vector<std::string> names = NamesOf(reread.Materials());
    auto* materials = ControlAs<QComboBox>(names::MaterialList);
    const int listed = materials ? materials->count() : -1;
    if (static_cast<int>(names.size()) != listed) {
        differences.push_back("the file holds " + std::to_string(names.size()) +
                              " materials, the list shows " + std::to_string(listed));
        return;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The list shows a name as typed until it is next read from the file.
        const std::string shown = materials->itemText(static_cast<int>(i)).toStdString();
        if (names[i] != shown && names[i] != ReadBack(shown)) {
            differences.push_back("the file's material " + std::to_string(i) + " is " + Quoted(names[i]) +
                                  ", the list shows " + Quoted(shown));
        }
        if (i < m_model.FileNames.size() && names[i] != ReadBack(m_model.FileNames[i])) {
            differences.push_back("the file's material " + std::to_string(i) + " is " + Quoted(names[i]) +
                                  ", expected " + Quoted(ReadBack(m_model.FileNames[i])));
        }
    }
    if (DensitiesOf(reread.Materials()) != m_model.Densities) {
        differences.push_back("the file's densities differ from the list's");
    }
}

// The dialogs, error boxes and beeps of the step, and nothing else.
void RandomRun::CompareEvents(std::vector<std::string>& differences) {
    const StepEvents& expected = m_model.Events;
    std::vector<std::string> warnings;
    for (const auto& message : Desktop.Messages) {
        if (message.Type != ui::MessageKind::Warning || message.Text.toStdString() != WrongDataWarning) {
            differences.push_back("unexpected message dialog " + Quoted(message.Text.toStdString()));
        }
        warnings.push_back(message.Text.toStdString());
    }
    if (static_cast<int>(warnings.size()) != expected.Warnings) {
        differences.push_back(std::to_string(warnings.size()) + " warnings shown, expected " +
                              std::to_string(expected.Warnings));
    }
    std::vector<std::string> boxes;
    for (const QString& box : Desktop.ErrorBoxes) {
        boxes.push_back(box.toStdString());
    }
    if (boxes != expected.ErrorBoxes) {
        std::string shown;
        for (const std::string& box : boxes) {
            shown += " " + Quoted(box);
        }
        std::string wanted;
        for (const std::string& box : expected.ErrorBoxes) {
            wanted += " " + Quoted(box);
        }
        differences.push_back("error boxes:" + shown + ", expected:" + wanted);
    }
    if (Desktop.Beeps != expected.Beeps) {
        differences.push_back(std::to_string(Desktop.Beeps) + " beeps, expected " +
                              std::to_string(expected.Beeps));
    }
    if (Dialogs.Events != expected.CatalogueEvents) {
        std::string shown;
        for (const std::string& event : Dialogs.Events) {
            shown += " " + Quoted(event);
        }
        differences.push_back("catalogue dialogs:" + shown);
    }
}

void RandomRun::Run(std::uint32_t seed, std::uint64_t steps) {
    m_random.seed(seed);
    const Action actions[] = {
        {5, &RandomRun::ChooseObjectShape}, {4, &RandomRun::ChooseApertureShape},
        {30, &RandomRun::TypeParameter},    {4, &RandomRun::TypeQuantity},
        {2, &RandomRun::PasteQuantity},     {3, &RandomRun::StepQuantity},
        {4, &RandomRun::ChooseLengthUnit},  {12, &RandomRun::CalculateObject},
        {8, &RandomRun::CalculateAperture}, {5, &RandomRun::PressUndo},
        {2, &RandomRun::PressReset},        {4, &RandomRun::ChooseVolumeUnit},
        {2, &RandomRun::DeleteRow},         {4, &RandomRun::EditQuantity},
        {2, &RandomRun::ListUndo},          {2, &RandomRun::ListRedo},
        {4, &RandomRun::ChooseMassUnit},    {4, &RandomRun::PickMaterial},
        {2, &RandomRun::AddMaterial},       {2, &RandomRun::RemoveMaterial},
    };
    int totalWeight = 0;
    for (const Action& action : actions) {
        totalWeight += action.Weight;
    }
    const std::string replay = "VOLCALC_RANDOM_SEED=" + std::to_string(seed) + " VOLCALC_RANDOM_STEPS=";

    for (m_step = 1; m_step <= steps; ++m_step) {
        m_model.Events = {};
        Desktop.Messages.clear();
        Desktop.ErrorBoxes.clear();
        Desktop.Beeps = 0;
        Dialogs.Events.clear();

        auto pick = static_cast<int>(Below(static_cast<std::size_t>(totalWeight)));
        for (const Action& action : actions) {
            if (pick < action.Weight) {
                (this->*action.Run)();
                break;
            }
            pick -= action.Weight;
        }
        // Between two actions of a user the event loop runs: pending repaints and deletions are done.
        QCoreApplication::processEvents();

        std::vector<std::string> differences;
        if (HasFatalFailure()) {
            differences.push_back("the action itself failed (see above)");
        } else {
            differences = Differences();
        }
        if (!differences.empty()) {
            std::string report = "after step " + std::to_string(m_step) + " of " + std::to_string(steps) +
                                 ", seed " + std::to_string(seed) + ":\n";
            for (const std::string& difference : differences) {
                report += "  " + difference + "\n";
            }
            report += "last actions:\n";
            for (const std::string& action : m_recent) {
                report += "  " + action + "\n";
            }
            report +=
                "replay: " + replay + std::to_string(m_step) + " VOLCALC_RANDOM_TRACE=1 random_run_tests";
            FAIL() << report;
        }
        m_model.Seen.Refused += m_model.Events.Warnings;
        m_model.Seen.Errors += static_cast<int>(m_model.Events.ErrorBoxes.size());
    }
    const Tally& seen = m_model.Seen;
    std::cout << "random run: " << steps << " steps, " << seen.Calculations << " calculations added, "
              << seen.Refused << " refused with the warning, " << seen.Errors << " error boxes ("
              << seen.DisplayOverflows << " from display units), " << seen.Undos << " undos, " << seen.Resets
              << " resets, " << seen.MaterialsAdded << " materials added, " << seen.MaterialsRemoved
              << " removed, at most " << seen.MostMaterials << " listed, emptied " << seen.ListEmptied
              << " times" << std::endl;
}

TEST_F(RandomRun, EveryStepShowsWhatTheModelComputes) {
    const std::optional<std::uint64_t> seed = EnvironmentNumber("VOLCALC_RANDOM_SEED", DefaultSeed);
    const std::optional<std::uint64_t> steps = EnvironmentNumber("VOLCALC_RANDOM_STEPS", DefaultSteps);
    ASSERT_TRUE(seed && *seed <= UINT32_MAX) << "VOLCALC_RANDOM_SEED must be a whole number below 2^32";
    ASSERT_TRUE(steps.has_value()) << "VOLCALC_RANDOM_STEPS must be a whole number";
    std::cout << "random run: seed " << *seed << ", " << *steps << " steps" << std::endl;
    Run(static_cast<std::uint32_t>(*seed), *steps);
}

} // namespace
} // namespace volcalc::test
