#include "ui/ColourPicker.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

#include <array>

namespace ui {
namespace {

constexpr std::array<ColourValue, 16> kStandardColours = {
    colourValue(0, 0, 0),       colourValue(128, 128, 128), colourValue(128, 0, 0), colourValue(128, 128, 0),
    colourValue(0, 128, 0),     colourValue(0, 128, 128),   colourValue(0, 0, 128), colourValue(128, 0, 128),
    colourValue(255, 255, 255), colourValue(192, 192, 192), colourValue(255, 0, 0), colourValue(255, 255, 0),
    colourValue(0, 255, 0),     colourValue(0, 255, 255),   colourValue(0, 0, 255), colourValue(255, 0, 255),
};

QPixmap swatch(ColourValue colour, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(toQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

ColourPicker::ColourPicker(QWidget *parent) : Control<QToolButton>(parent)
{
    setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(this);
    auto *grid = new QWidget(menu);
    auto *layout = new QGridLayout(grid);
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);
    for (std::size_t i = 0; i < kStandardColours.size(); ++i) {
        const ColourValue colour = kStandardColours[i];
        auto *button = new QToolButton(grid);
        button->setAutoRaise(true);
        button->setIcon(swatch(colour, QSize(16, 16)));
        button->setToolTip(toQColor(colour).name());
        connect(button, &QToolButton::clicked, this, [this, menu, colour] {
            menu->close();
            confirmChoice(colour);
        });
        layout->addWidget(button, int(i / 8), int(i % 8));
    }
    auto *gridAction = new QWidgetAction(menu);
    gridAction->setDefaultWidget(grid);
    menu->addAction(gridAction);
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("其他颜色…")), &QAction::triggered, this, [this] { chooseCustom(); });
    setMenu(menu);
    connect(this, &QToolButton::clicked, this, [this] { showMenu(); });
    updateSwatch();
}

void ColourPicker::confirmChoice(ColourValue colour)
{
    m_colour = colour & 0x00FFFFFFu;
    updateSwatch();
    raiseEvent(Event::ColourChange);
}

void ColourPicker::setInitialColour(ColourValue colour)
{
    m_colour = colour & 0x00FFFFFFu;
    updateSwatch();
}

void ColourPicker::chooseCustom()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), window(), QStringLiteral("选择颜色"));
    if (chosen.isValid())
        confirmChoice(colourValue(chosen));
}

void ColourPicker::updateSwatch()
{
    setIcon(swatch(m_colour, QSize(18, 12)));
    setIconSize(QSize(18, 12));
}

} // namespace ui
