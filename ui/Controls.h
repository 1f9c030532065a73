#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace ui {

class Button;
class CheckBox;
class ColourPicker;
class DropTarget;
class EditBox;
class FontDialog;
class GroupBox;
class Label;
class ListBox;
class PictureBox;
class RadioButton;
class Slider;
class TabControl;
class TransparentLabel;
class Window;

// The main window's controls by their role, each found by its object name once, right
// after loading; handlers reach them only through this.
struct Controls {
    QWidget &window;

    PictureBox &pictureArea;   // 图片框1
    TransparentLabel &caption; // 透明标签1
    Label &mask;               // 标签6
    GroupBox &picturePanel;    // 分组框3
    Label &widthLabel;         // 标签1
    Label &heightLabel;        // 标签4
    Button &zoomInButton;      // 按钮4
    Button &zoomOutButton;     // 按钮5
    Button &copyButton;        // 按钮1
    Button &saveButton;        // 按钮3
    TabControl &tabs;          // 选择夹1

    // The caption's page.
    GroupBox &textGroup;         // 分组框1
    GroupBox &propertiesGroup;   // 分组框2
    EditBox &captionText;        // 编辑框1
    EditBox &captionWidthBox;    // 编辑框2
    EditBox &captionHeightBox;   // 编辑框3
    Slider &captionWidthSlider;  // 滑块条1
    Slider &captionHeightSlider; // 滑块条2
    Slider &fontSizeSlider;      // 滑块条3
    Label &captionWidthLegend;   // 标签2
    Label &captionHeightLegend;  // 标签3
    Label &fontSizeLegend;       // 标签5
    ListBox &templateList;       // 列表框1
    Button &fontButton;          // 按钮2
    ColourPicker &captionColour; // 颜色选择器1
    CheckBox &boldBox;           // 选择框1

    // The mask's page.
    GroupBox &maskGroup;      // 分组框4
    RadioButton &showMask;    // 单选框1
    RadioButton &hideMask;    // 单选框2
    Slider &maskWidthSlider;  // 滑块条4
    Slider &maskHeightSlider; // 滑块条5
    Label &maskWidthLegend;   // 标签7
    Label &maskHeightLegend;  // 标签8
    ColourPicker &maskColour; // 颜色选择器2

    FontDialog &fontDialog; // 通用对话框1
    DropTarget &dropTarget; // 拖放对象1

    // Nothing when a control is missing or of another kind, with its name in error.
    static std::optional<Controls> resolve(const Window &window, QString *error = nullptr);
};

} // namespace ui
