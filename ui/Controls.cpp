#include "ui/Controls.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/DropTarget.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"

#include <QStringView>

namespace ui {
namespace {

// Looks controls up by name and remembers the first that is missing.
class Finder {
public:
    explicit Finder(const Window &window) : m_window(window) {}

    template <class T>
    T *get(QStringView name)
    {
        auto *control = dynamic_cast<T *>(m_window.find(name));
        if (!control && m_missing.isEmpty())
            m_missing = name.toString();
        return control;
    }
    const QString &missing() const { return m_missing; }

private:
    const Window &m_window;
    QString m_missing;
};

} // namespace

std::optional<Controls> Controls::resolve(const Window &window, QString *error)
{
    Finder f(window);
    auto *pictureArea = f.get<PictureBox>(u"图片框1");
    auto *caption = f.get<TransparentLabel>(u"透明标签1");
    auto *mask = f.get<Label>(u"标签6");
    auto *picturePanel = f.get<GroupBox>(u"分组框3");
    auto *widthLabel = f.get<Label>(u"标签1");
    auto *heightLabel = f.get<Label>(u"标签4");
    auto *zoomIn = f.get<Button>(u"按钮4");
    auto *zoomOut = f.get<Button>(u"按钮5");
    auto *copy = f.get<Button>(u"按钮1");
    auto *save = f.get<Button>(u"按钮3");
    auto *tabs = f.get<TabControl>(u"选择夹1");
    auto *textGroup = f.get<GroupBox>(u"分组框1");
    auto *propertiesGroup = f.get<GroupBox>(u"分组框2");
    auto *captionText = f.get<EditBox>(u"编辑框1");
    auto *widthBox = f.get<EditBox>(u"编辑框2");
    auto *heightBox = f.get<EditBox>(u"编辑框3");
    auto *widthSlider = f.get<Slider>(u"滑块条1");
    auto *heightSlider = f.get<Slider>(u"滑块条2");
    auto *sizeSlider = f.get<Slider>(u"滑块条3");
    auto *widthLegend = f.get<Label>(u"标签2");
    auto *heightLegend = f.get<Label>(u"标签3");
    auto *sizeLegend = f.get<Label>(u"标签5");
    auto *templateList = f.get<ListBox>(u"列表框1");
    auto *fontButton = f.get<Button>(u"按钮2");
    auto *captionColour = f.get<ColourPicker>(u"颜色选择器1");
    auto *boldBox = f.get<CheckBox>(u"选择框1");
    auto *maskGroup = f.get<GroupBox>(u"分组框4");
    auto *showMask = f.get<RadioButton>(u"单选框1");
    auto *hideMask = f.get<RadioButton>(u"单选框2");
    auto *maskWidth = f.get<Slider>(u"滑块条4");
    auto *maskHeight = f.get<Slider>(u"滑块条5");
    auto *maskWidthLegend = f.get<Label>(u"标签7");
    auto *maskHeightLegend = f.get<Label>(u"标签8");
    auto *maskColour = f.get<ColourPicker>(u"颜色选择器2");
    auto *fontDialog = f.get<FontDialog>(u"通用对话框1");
    auto *dropTarget = f.get<DropTarget>(u"拖放对象1");
    if (!f.missing().isEmpty()) {
        if (error)
            *error = QStringLiteral("no control %1 of the expected kind").arg(f.missing());
        return std::nullopt;
    }
    return Controls{
        .window = window.mainWidget(),
        .pictureArea = *pictureArea,
        .caption = *caption,
        .mask = *mask,
        .picturePanel = *picturePanel,
        .widthLabel = *widthLabel,
        .heightLabel = *heightLabel,
        .zoomInButton = *zoomIn,
        .zoomOutButton = *zoomOut,
        .copyButton = *copy,
        .saveButton = *save,
        .tabs = *tabs,
        .textGroup = *textGroup,
        .propertiesGroup = *propertiesGroup,
        .captionText = *captionText,
        .captionWidthBox = *widthBox,
        .captionHeightBox = *heightBox,
        .captionWidthSlider = *widthSlider,
        .captionHeightSlider = *heightSlider,
        .fontSizeSlider = *sizeSlider,
        .captionWidthLegend = *widthLegend,
        .captionHeightLegend = *heightLegend,
        .fontSizeLegend = *sizeLegend,
        .templateList = *templateList,
        .fontButton = *fontButton,
        .captionColour = *captionColour,
        .boldBox = *boldBox,
        .maskGroup = *maskGroup,
        .showMask = *showMask,
        .hideMask = *hideMask,
        .maskWidthSlider = *maskWidth,
        .maskHeightSlider = *maskHeight,
        .maskWidthLegend = *maskWidthLegend,
        .maskHeightLegend = *maskHeightLegend,
        .maskColour = *maskColour,
        .fontDialog = *fontDialog,
        .dropTarget = *dropTarget,
    };
}

} // namespace ui
