#include "ui/text/Fonts.h"

#include <QStringList>

namespace ui {

void installFontSubstitutions()
{
    const QStringList serif = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), serif);
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), sans);
}

QFont defaultGuiFont()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(9);
    return font;
}

} // namespace ui
