#pragma once

#include <QSize>
#include <QStringView>

#include <array>
#include <cstddef>

namespace ui {

// The built-in templates, in list order. Their names are the template list's items, which
// belong to the window definition, so the table lives here; the catalogue, the picture
// generator and the tests read the rest of each row from it too. Header-only and free of
// widgets, so the generator includes it without linking this library.
struct TemplateRecord {
    int index;
    QStringView name; // the list item
    QStringView file; // under the templates resource prefix and assets/templates
    QSize image;      // as the JPEG's frame header gives it
    QSize display;    // as the picture area shows it
    bool progressive; // progressive JPEG, else baseline
};

// clang-format off
inline constexpr auto kTemplates = std::to_array<TemplateRecord>({
    {0, u"短发1", u"00.jpg", {234, 234}, {234, 234}, true},
    {1, u"短发2", u"01.jpg", {218, 218}, {218, 218}, true},
    {2, u"熊猫1", u"02.jpg", {160, 155}, {160, 155}, false},
    {3, u"熊猫2", u"03.jpg", {164, 156}, {164, 156}, true},
    {4, u"熊猫3", u"04.jpg", {208, 207}, {208, 207}, true},
    {5, u"熊猫4", u"05.jpg", {156, 172}, {156, 172}, true},
    {6, u"熊猫5", u"06.jpg", {160, 131}, {160, 131}, false},
    {7, u"熊猫6", u"07.jpg", {133, 139}, {133, 139}, false},
    {8, u"斯巴达1", u"08.jpg", {154, 172}, {154, 172}, true},
    {9, u"懵逼狗", u"09.jpg", {264, 237}, {264, 237}, true},
    {10, u"Dukesh", u"10.jpg", {287, 213}, {287, 213}, true},
    {11, u"Lorvane", u"11.jpg", {347, 231}, {347, 231}, true},
    {12, u"黑人问号", u"12.jpg", {225, 225}, {225, 225}, true},
    {13, u"马杀鸡", u"13.jpg", {198, 197}, {198, 197}, true},
    {14, u"小屁孩", u"14.jpg", {198, 198}, {198, 198}, false},
    {15, u"蠢猫1", u"15.jpg", {266, 266}, {265, 265}, true},
    {16, u"蠢猫2", u"16.jpg", {264, 265}, {265, 265}, true},
    {17, u"蘑菇头1", u"17.jpg", {290, 265}, {290, 265}, true},
    {18, u"蘑菇头2", u"18.jpg", {206, 206}, {206, 206}, true},
    {19, u"蘑菇头3", u"19.jpg", {208, 210}, {208, 210}, true},
    {20, u"蘑菇头4", u"20.jpg", {220, 220}, {220, 220}, true},
    {21, u"蘑菇头5", u"21.jpg", {220, 220}, {220, 220}, true},
    {22, u"女生1", u"22.jpg", {220, 220}, {220, 220}, true},
    {23, u"女生2", u"23.jpg", {220, 220}, {220, 220}, true},
    {24, u"挑衅", u"24.jpg", {198, 198}, {198, 198}, true},
    {25, u"蘑菇头6", u"25.jpg", {171, 163}, {171, 163}, false},
    {26, u"蘑菇头7", u"26.jpg", {258, 253}, {258, 253}, true},
    {27, u"熊猫头1", u"27.jpg", {400, 400}, {400, 400}, true},
    {28, u"熊猫头2", u"28.jpg", {182, 198}, {182, 198}, true},
    {29, u"女生3", u"29.jpg", {300, 300}, {300, 300}, true},
    {30, u"蘑菇头8", u"30.jpg", {186, 198}, {186, 198}, true},
    {31, u"蘑菇头9", u"31.jpg", {198, 175}, {198, 175}, true},
    {32, u"理直气壮", u"32.jpg", {198, 193}, {198, 193}, true},
    {33, u"蘑菇头10", u"33.jpg", {125, 174}, {125, 174}, false},
    {34, u"打脸", u"34.jpg", {205, 177}, {205, 177}, true},
    {35, u"蘑菇头11", u"35.jpg", {300, 300}, {300, 300}, true},
    {36, u"熊猫头3", u"36.jpg", {300, 300}, {300, 300}, true},
    {37, u"茫然", u"37.jpg", {198, 187}, {198, 187}, true},
    {38, u"痛苦", u"38.jpg", {150, 158}, {150, 158}, false},
    {39, u"目瞪狗呆", u"39.jpg", {71, 76}, {71, 76}, false},
    {40, u"嚯", u"40.jpg", {108, 50}, {108, 50}, false},
    {41, u"哈", u"41.jpg", {112, 50}, {112, 50}, false},
    {42, u"悲伤辣么大", u"42.jpg", {168, 151}, {168, 151}, true},
    {43, u"闭嘴", u"43.jpg", {200, 211}, {200, 211}, true},
    {44, u"微笑", u"44.jpg", {89, 125}, {89, 125}, false},
    {45, u"打脸2", u"45.jpg", {224, 224}, {224, 224}, true},
    {46, u"偷偷告诉你", u"46.jpg", {184, 130}, {184, 130}, true},
    {47, u"蘑菇头12", u"47.jpg", {216, 226}, {216, 226}, true},
    {48, u"蘑菇头13", u"48.jpg", {198, 148}, {198, 148}, true},
    {49, u"Pim和Tavo", u"49.jpg", {239, 228}, {239, 228}, true},
    {50, u"开车的声音", u"50.jpg", {160, 131}, {160, 131}, false},
    {51, u"蘑菇头14", u"51.jpg", {218, 218}, {218, 218}, true},
    {52, u"生无可恋", u"52.jpg", {272, 238}, {272, 238}, true},
});
// clang-format on

static_assert(kTemplates.size() == 53);
static_assert([] {
    for (std::size_t i = 0; i < kTemplates.size(); ++i) {
        if (kTemplates[i].index != static_cast<int>(i))
            return false;
    }
    return true;
}());

} // namespace ui
