#pragma once

#include <array>
#include <cstddef>

// The one list of template pictures: index, list name, image width, image height,
// progressive JPEG or baseline, and the recipe that draws it. The generator expands
// every column; the tests expand all but the recipe, so they need no drawing code.
// The baseline ones are the smallest pictures, where progressive scans gain nothing.
#define ZANVO_TEMPLATE_ROWS(ROW) \
    ROW(0, "短发1", 234, 234, true, shortHair1) \
    ROW(1, "短发2", 218, 218, true, shortHair2) \
    ROW(2, "熊猫1", 160, 155, false, panda1) \
    ROW(3, "熊猫2", 164, 156, true, panda2) \
    ROW(4, "熊猫3", 208, 207, true, panda3) \
    ROW(5, "熊猫4", 156, 172, true, panda4) \
    ROW(6, "熊猫5", 160, 131, false, panda5) \
    ROW(7, "熊猫6", 133, 139, false, panda6) \
    ROW(8, "斯巴达1", 154, 172, true, spartan1) \
    ROW(9, "懵逼狗", 264, 237, true, baffledDog) \
    ROW(10, "Dukesh", 287, 213, true, dukesh) \
    ROW(11, "Lorvane", 347, 231, true, lorvane) \
    ROW(12, "黑人问号", 225, 225, true, questionFace) \
    ROW(13, "马杀鸡", 198, 197, true, massage) \
    ROW(14, "小屁孩", 198, 198, false, brat) \
    ROW(15, "蠢猫1", 266, 266, true, sillyCat1) \
    ROW(16, "蠢猫2", 264, 265, true, sillyCat2) \
    ROW(17, "蘑菇头1", 290, 265, true, mushroom1) \
    ROW(18, "蘑菇头2", 206, 206, true, mushroom2) \
    ROW(19, "蘑菇头3", 208, 210, true, mushroom3) \
    ROW(20, "蘑菇头4", 220, 220, true, mushroom4) \
    ROW(21, "蘑菇头5", 220, 220, true, mushroom5) \
    ROW(22, "女生1", 220, 220, true, girl1) \
    ROW(23, "女生2", 220, 220, true, girl2) \
    ROW(24, "挑衅", 198, 198, true, taunt) \
    ROW(25, "蘑菇头6", 171, 163, false, mushroom6) \
    ROW(26, "蘑菇头7", 258, 253, true, mushroom7) \
    ROW(27, "熊猫头1", 400, 400, true, pandaHead1) \
    ROW(28, "熊猫头2", 182, 198, true, pandaHead2) \
    ROW(29, "女生3", 300, 300, true, girl3) \
    ROW(30, "蘑菇头8", 186, 198, true, mushroom8) \
    ROW(31, "蘑菇头9", 198, 175, true, mushroom9) \
    ROW(32, "理直气壮", 198, 193, true, selfAssured) \
    ROW(33, "蘑菇头10", 125, 174, false, mushroom10) \
    ROW(34, "打脸", 205, 177, true, slap1) \
    ROW(35, "蘑菇头11", 300, 300, true, mushroom11) \
    ROW(36, "熊猫头3", 300, 300, true, pandaHead3) \
    ROW(37, "茫然", 198, 187, true, blankStare) \
    ROW(38, "痛苦", 150, 158, false, pain) \
    ROW(39, "目瞪狗呆", 71, 76, false, stunnedDog) \
    ROW(40, "嚯", 108, 50, false, exclaimHuo) \
    ROW(41, "哈", 112, 50, false, exclaimHa) \
    ROW(42, "悲伤辣么大", 168, 151, true, hugeSadFace) \
    ROW(43, "闭嘴", 200, 211, true, shutUp) \
    ROW(44, "微笑", 89, 125, false, politeSmile) \
    ROW(45, "打脸2", 224, 224, true, slap2) \
    ROW(46, "偷偷告诉你", 184, 130, true, whisper) \
    ROW(47, "蘑菇头12", 216, 226, true, mushroom12) \
    ROW(48, "蘑菇头13", 198, 148, true, mushroom13) \
    ROW(49, "Pim和Tavo", 239, 228, true, pimAndTavo) \
    ROW(50, "开车的声音", 160, 131, false, driving) \
    ROW(51, "蘑菇头14", 218, 218, true, mushroom14) \
    ROW(52, "生无可恋", 272, 238, true, despair)

namespace templates {

struct TemplateEntry {
    int index;
    const char *name; // UTF-8
    int width;
    int height;
    bool progressive;
};

#define ZANVO_TEMPLATE_ENTRY(index, name, width, height, progressive, recipe) \
    TemplateEntry{index, name, width, height, progressive},
inline constexpr std::array kTemplateEntrys{ZANVO_TEMPLATE_ROWS(ZANVO_TEMPLATE_ENTRY)};
#undef ZANVO_TEMPLATE_ENTRY

inline constexpr std::size_t kTemplateCount = kTemplateEntrys.size();

static_assert(kTemplateCount == 53);
static_assert([] {
    for (std::size_t i = 0; i < kTemplateEntrys.size(); ++i) {
        if (kTemplateEntrys[i].index != static_cast<int>(i))
            return false;
    }
    return true;
}());
static_assert([] {
    int progressive = 0;
    for (const TemplateEntry &entry : kTemplateEntrys)
        progressive += entry.progressive ? 1 : 0;
    return progressive == 41;
}());

} // namespace templates
