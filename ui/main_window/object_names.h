#pragma once

// The main window's controls by the names the layout tables give them. The window builds its
// controls with these names and the tests find them by the same ones.
namespace volcalc::ui::names {

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
inline constexpr const char* DensityField = "Edit1";
// Object group
inline constexpr const char* ObjectGroup = "GroupBox1";
inline constexpr const char* ObjectPicture = "Image1";
inline constexpr const char* ObjectShapeList = "ComboBox2";
inline constexpr const char* ObjectUnitList = "ComboBox11";
inline constexpr const char* ObjectQuantity = "SpinEdit2";
inline constexpr const char* ObjectCalculateButton = "BitBtn5";
// Aperture group
inline constexpr const char* ApertureGroup = "GroupBox3";
inline constexpr const char* AperturePicture = "Image2";
inline constexpr const char* ApertureShapeList = "ComboBox3";
inline constexpr const char* ApertureUnitList = "ComboBox4";
inline constexpr const char* ApertureQuantity = "SpinEdit1";
inline constexpr const char* ApertureCalculateButton = "BitBtn7";
// Totals
inline constexpr const char* TotalsPanel = "Panel3";
inline constexpr const char* VolumeGroup = "GroupBox5";
inline constexpr const char* VolumeUnitList = "ComboBox16";
inline constexpr const char* ObjectVolumeField = "Edit42";
inline constexpr const char* ApertureVolumeField = "Edit43";
inline constexpr const char* TotalVolumeField = "Edit10";
inline constexpr const char* MassGroup = "GroupBox4";
inline constexpr const char* MassUnitList = "ComboBox15";
inline constexpr const char* ObjectMassField = "Edit17";
inline constexpr const char* ApertureMassField = "Edit16";
inline constexpr const char* TotalMassField = "Edit7";

} // namespace volcalc::ui::names
