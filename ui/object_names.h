// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/shapes.h"

#include <array>
#include <span>
#include <string_view>

// The windows' controls by the names the layout tables give them: the only place those names are
// spelled. The windows build their controls with these names, and the tests, the screenshots and
// the accessibility checks find them by the same ones.
namespace volcalc::ui::names {

// The main window
inline constexpr const char* MainWindow = "Form1";
// Toolbar
inline constexpr const char* UndoButton = "SpeedButton5";
inline constexpr const char* ResetButton = "SpeedButton6";
inline constexpr const char* AboutButton = "SpeedButton1";
inline constexpr const char* HelpButton = "SpeedButton2";
inline constexpr const char* ExitButton = "SpeedButton3";
inline constexpr const char* PartsListButton = "SpeedButton9";
// Material group
inline constexpr const char* MaterialGroup = "GroupBox2";
inline constexpr const char* AddMaterialButton = "SpeedButton7";
inline constexpr const char* MaterialList = "ComboBox1";
inline constexpr const char* RemoveMaterialButton = "SpeedButton8";
inline constexpr const char* DensityLabel = "Label80";
inline constexpr const char* DensityField = "Edit1";
inline constexpr const char* DensityUnitLabel = "Label11";      // "kg/m"
inline constexpr const char* DensityUnitPowerLabel = "Label12"; // the raised "3"

// The object and the aperture group
struct GroupNames {
    const char* Group;
    const char* PictureFrame;
    const char* Picture;
    const char* ShapeList;
    const char* UnitsLabel;
    const char* UnitList;
    const char* QuantityLabel;
    const char* Quantity;
    const char* CalculateButton;
};
inline constexpr GroupNames Object{"GroupBox1",  "Panel1", "Image1",    "ComboBox2", "Label6",
                                   "ComboBox11", "Label7", "SpinEdit2", "BitBtn5"};
inline constexpr GroupNames Aperture{"GroupBox3", "Panel2",  "Image2",    "ComboBox3", "Label66",
                                     "ComboBox4", "Label22", "SpinEdit1", "BitBtn7"};
constexpr const GroupNames& Of(CalcGroup group) {
    return group == CalcGroup::Object ? Object : Aperture;
}
inline constexpr const char* ObjectGroup = Object.Group;
inline constexpr const char* ObjectPicture = Object.Picture;
inline constexpr const char* ObjectShapeList = Object.ShapeList;
inline constexpr const char* ObjectUnitList = Object.UnitList;
inline constexpr const char* ObjectQuantity = Object.Quantity;
inline constexpr const char* ObjectCalculateButton = Object.CalculateButton;
inline constexpr const char* ApertureGroup = Aperture.Group;
inline constexpr const char* AperturePicture = Aperture.Picture;
inline constexpr const char* ApertureShapeList = Aperture.ShapeList;
inline constexpr const char* ApertureUnitList = Aperture.UnitList;
inline constexpr const char* ApertureQuantity = Aperture.Quantity;
inline constexpr const char* ApertureCalculateButton = Aperture.CalculateButton;

// A shape's parameter panel and its fields in the order of the shape's parameters. A field's
// label is named after its field with "Label" added.
struct PanelNames {
    const char* Panel; // null for "None", which has no panel
    std::array<const char*, 5> Fields;
};
// The group's panels, one for each entry of its shape list (ShapesOf) at the same position.
std::span<const PanelNames> PanelsOf(CalcGroup group);
// Null for an entry that is not one of the group's list (ShapesOf) or that has no panel.
const PanelNames* PanelOf(CalcGroup group, const ShapeEntry& shape);
const PanelNames* PanelOf(CalcGroup group, std::string_view shape); // by the shape's display name
// The field of the shape's parameter with the given letter ("a" ... "d", "Length"); null for none.
const char* Field(CalcGroup group, const ShapeEntry& shape, std::string_view letter);
const char* Field(CalcGroup group, std::string_view shape, std::string_view letter);

// The object group's panel of the standard sections, the last entry of its shape list
namespace section {
inline constexpr const char* Panel = "Panel2section";
inline constexpr const char* FamilyList = "SectionFamilyList";
inline constexpr const char* SizeList = "SectionSizeList";
inline constexpr const char* LengthField = "EditSectionLength";
inline constexpr const char* AreaField = "SectionAreaField";
inline constexpr const char* MassPerMetreField = "SectionMassPerMetreField";
inline constexpr const char* SurfacePerMetreField = "SectionSurfacePerMetreField";
} // namespace section

// The totals
inline constexpr const char* TotalsPanel = "Panel3";
struct ResultNames {
    const char* Group;
    const char* TotalLabel;
    const char* Total;
    const char* UnitsLabel;
    const char* Units;
    const char* ObjectLabel;
    const char* Object;
    const char* ApertureLabel;
    const char* Aperture;
};
inline constexpr ResultNames Volume{"GroupBox5", "Label10", "Edit10",  "Label79", "ComboBox16",
                                    "Label54",   "Edit42",  "Label55", "Edit43"};
inline constexpr const char* CubicLabel = "Label4";
inline constexpr ResultNames Mass{"GroupBox4", "Label23", "Edit7",   "Label9", "ComboBox15",
                                  "Label25",   "Edit17",  "Label24", "Edit16"};
inline constexpr const char* VolumeGroup = Volume.Group;
inline constexpr const char* VolumeUnitList = Volume.Units;
inline constexpr const char* TotalVolumeField = Volume.Total;
inline constexpr const char* ObjectVolumeField = Volume.Object;
inline constexpr const char* ApertureVolumeField = Volume.Aperture;
inline constexpr const char* MassGroup = Mass.Group;
inline constexpr const char* MassUnitList = Mass.Units;
inline constexpr const char* TotalMassField = Mass.Total;
inline constexpr const char* ObjectMassField = Mass.Object;
inline constexpr const char* ApertureMassField = Mass.Aperture;

// The add-material dialog
namespace add_material {
inline constexpr const char* Dialog = "Form2";
inline constexpr const char* NameLabel = "Label1";
inline constexpr const char* NameField = "Edit1";
inline constexpr const char* DensityLabel = "Label2";
inline constexpr const char* DensityField = "Edit2";
inline constexpr const char* DensityUnitLabel = "Label15";
inline constexpr const char* DensityUnitPowerLabel = "Label18";
inline constexpr const char* OkButton = "BitBtn1";
inline constexpr const char* CancelButton = "BitBtn2";
} // namespace add_material

// The About box
namespace about {
inline constexpr const char* Box = "AboutBox";
inline constexpr const char* Wallpaper = "SpeedBar1";
inline constexpr const char* ProgramPicture = "ProgramIcon";
inline constexpr const char* Title = "Label17";
inline constexpr const char* Copyright = "Label20";
inline constexpr const char* HomePageLabel = "Label23";
inline constexpr const char* HomePageLink = "Label24";
inline constexpr const char* MailLabel = "Label4";
inline constexpr const char* MailLink = "Label26";
inline constexpr const char* Envelope = "Image1";
inline constexpr const char* VoteLink = "Label14";
inline constexpr const char* OkButton = "OKButton";
} // namespace about

// The parts list window
namespace parts_list {
inline constexpr const char* Window = "PartsListWindow";
inline constexpr const char* Model = "PartsListModel";
inline constexpr const char* Table = "PartsTable";
inline constexpr const char* CopyButton = "CopyButton";
inline constexpr const char* ExportCsvButton = "ExportCsvButton";
inline constexpr const char* PrintButton = "PrintButton";
inline constexpr const char* OrderButton = "OrderButton";
inline constexpr const char* PricesButton = "PricesButton";
inline constexpr const char* MenuBar = "PartsMenuBar";
inline constexpr const char* FileMenu = "PartsFileMenu";
inline constexpr const char* EditMenu = "PartsEditMenu";
inline constexpr const char* RecentMenu = "RecentJobsMenu";
inline constexpr const char* NewAction = "NewJobAction";
inline constexpr const char* OpenAction = "OpenJobAction";
inline constexpr const char* SaveAction = "SaveJobAction";
inline constexpr const char* SaveAsAction = "SaveJobAsAction";
inline constexpr const char* ImportCsvAction = "ImportCsvAction";
inline constexpr const char* UndoAction = "ListUndoAction";
inline constexpr const char* RedoAction = "ListRedoAction";
inline constexpr const char* DeleteAction = "DeleteRowsAction";
inline constexpr const char* UpdatePricesAction = "UpdatePricesAction";
} // namespace parts_list

// The prices dialog of the parts list
namespace prices {
inline constexpr const char* Dialog = "PricesDialog";
inline constexpr const char* Table = "PricesTable";
inline constexpr const char* CurrencyField = "CurrencyField";
inline constexpr const char* Buttons = "PricesButtons";
inline constexpr const char* OkButton = "PricesOkButton";
inline constexpr const char* CancelButton = "PricesCancelButton";
} // namespace prices

// The bars-to-order dialog of the parts list
namespace order {
inline constexpr const char* Dialog = "OrderDialog";
inline constexpr const char* StockLengthsField = "StockLengthsField";
inline constexpr const char* KerfField = "KerfField";
inline constexpr const char* PlanButton = "PlanButton";
inline constexpr const char* Problem = "OrderProblem";
inline constexpr const char* PlanText = "OrderPlanText";
inline constexpr const char* CopyButton = "OrderCopyButton";
inline constexpr const char* ExportButton = "OrderExportButton";
inline constexpr const char* PrintButton = "OrderPrintButton";
inline constexpr const char* Progress = "OrderProgress";
inline constexpr const char* CancelButton = "OrderCancelButton";
inline constexpr const char* Note = "OrderNote";
inline constexpr const char* Diagrams = "OrderDiagrams";
inline constexpr const char* KeepOffcutsField = "KeepOffcutsField";
inline constexpr const char* StockButton = "OrderStockButton";
inline constexpr const char* CutButton = "CutPlanButton";
} // namespace order

// The Order dialog's rack of stock on hand
namespace stock {
inline constexpr const char* Dialog = "StockDialog";
inline constexpr const char* Table = "StockTable";
inline constexpr const char* Problem = "StockProblem";
inline constexpr const char* AddButton = "StockAddButton";
inline constexpr const char* RemoveButton = "StockRemoveButton";
inline constexpr const char* SaveButton = "StockSaveButton";
inline constexpr const char* CancelButton = "StockCancelButton";
} // namespace stock

} // namespace volcalc::ui::names
