#include "ui/FontDialog.h"

#include "ui/ColourPicker.h"
#include "ui/text/FontRules.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace ui {

FontDialog::FontDialog(QWidget *owner) : QObject(owner), m_owner(owner), m_chooser(standardChooser())
{
}

void FontDialog::setChooser(FontChooser chooser)
{
    m_chooser = std::move(chooser);
}

namespace {

// Qt's chooser as a widget inside the dialog. Whatever would close it (Esc, or Enter in any
// of its fields and lists) closes the whole dialog instead, in that one press.
class EmbeddedFontChooser : public QFontDialog {
public:
    explicit EmbeddedFontChooser(QDialog &outer) : QFontDialog(&outer), m_outer(outer)
    {
        setWindowFlags(Qt::Widget);
        setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    }

protected:
    void done(int result) override { m_outer.done(result); }

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (enter && modifiers == Qt::NoModifier) {
            done(QDialog::Accepted);
            return;
        }
        QFontDialog::keyPressEvent(event);
    }

private:
    QDialog &m_outer;
};

bool isSlanted(const QString &family, const QString &style)
{
    return QFontDatabase::font(family, style, 12).style() != QFont::StyleNormal;
}

bool isStretched(const QString &style)
{
    static const char *const words[] = {"Condensed", "Expanded", "Narrow", "Wide", "Compressed", "Extended"};
    for (const char *word : words)
        if (style.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

// The family's style nearest to a weight and slant, upright and of normal width first:
// for a regular caption that is the family's regular style, whatever name it has.
QString nearestStyle(const QString &family, int weight, bool slanted)
{
    QString best;
    long bestScore = 0;
    for (const QString &style : QFontDatabase::styles(family)) {
        const long score = (isSlanted(family, style) != slanted ? 100000 : 0)
                           + 10L * std::abs(QFontDatabase::font(family, style, 12).weight() - weight)
                           + (isStretched(style) ? 5 : 0);
        if (best.isEmpty() || score < bestScore) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

// Where Qt's chooser keeps its parts: it names none of them, but builds them in a fixed order.
struct ChooserParts {
    QComboBox *writingSystems = nullptr;
    QListView *families = nullptr;
    QListView *styles = nullptr;
    QLineEdit *preview = nullptr;
};

ChooserParts partsOf(QFontDialog &chooser)
{
    ChooserParts parts;
    parts.writingSystems = chooser.findChild<QComboBox *>();
    const QList<QListView *> lists = chooser.findChildren<QListView *>();
    if (lists.size() == 3) {
        parts.families = lists[0];
        parts.styles = lists[1];
    }
    for (QLineEdit *edit : chooser.findChildren<QLineEdit *>()) {
        if (qobject_cast<QGroupBox *>(edit->parentWidget()))
            parts.preview = edit;
    }
    return parts;
}

void showWritingSystem(const ChooserParts &parts, QFontDatabase::WritingSystem system)
{
    if (!parts.writingSystems)
        return;
    const int index = parts.writingSystems->findText(QFontDatabase::writingSystemName(system));
    if (index < 0)
        return;
    parts.writingSystems->setCurrentIndex(index);
    // The chooser listens to the user's choice only.
    emit parts.writingSystems->activated(index);
}

void paintPreview(QLineEdit *preview, ColourValue colour)
{
    if (!preview)
        return;
    QPalette colours = preview->palette();
    colours.setColor(QPalette::Text, toQColor(colour));
    preview->setPalette(colours);
}

// Qt keeps the style's name when the family changes and takes the first listed style when
// the new family has no such name, often a slanted or a condensed one. This picks the
// style nearest the one shown before instead.
class StyleKeeper {
public:
    StyleKeeper(QFontDialog &chooser, const ChooserParts &parts, const QFont &start)
        : m_chooser(chooser), m_styles(parts.styles), m_weight(start.weight()),
          m_slanted(start.style() != QFont::StyleNormal)
    {
    }

    void follow(const QFont &shown)
    {
        const QString family = shown.family();
        if (family != m_family && m_styles) {
            m_family = family;
            const bool kept = shown.weight() == m_weight && (shown.style() != QFont::StyleNormal) == m_slanted;
            const QString wanted = kept ? QString() : nearestStyle(family, m_weight, m_slanted);
            const QModelIndex current = m_styles->currentIndex();
            if (!wanted.isEmpty() && current.data().toString() != wanted) {
                QAbstractItemModel *model = m_styles->model();
                for (int row = 0; row < model->rowCount(); ++row) {
                    if (model->index(row, 0).data().toString() == wanted) {
                        m_styles->setCurrentIndex(model->index(row, 0));
                        break;
                    }
                }
            }
        }
        const QFont now = m_chooser.currentFont();
        m_family = now.family();
        m_weight = now.weight();
        m_slanted = now.style() != QFont::StyleNormal;
    }

private:
    QFontDialog &m_chooser;
    QListView *m_styles;
    QString m_family;
    int m_weight;
    bool m_slanted;
};

} // namespace

FontChooser FontDialog::standardChooser()
{
    return [](const FontChoice &start, QWidget *owner) -> std::optional<FontChoice> {
        // Qt's chooser offers no colour: it is embedded beside a colour row.
        QDialog dialog(owner);
        dialog.setWindowTitle(QStringLiteral("字体"));
        auto *fonts = new EmbeddedFontChooser(dialog);
        const ChooserParts parts = partsOf(*fonts);
        QFont preset = start.font;
        // The list holds installed families: a substituted face is shown as the face it maps to.
        preset.setFamily(QFontInfo(preset).family());
        if (preset.pixelSize() > 0) {
            const int dpi = owner ? owner->logicalDpiY() : 96;
            preset.setPointSizeF(preset.pixelSize() * 72.0 / dpi);
        }
        // Captions are Chinese: list the faces that have it, unless the face shown has none.
        if (QFontDatabase::writingSystems(preset.family()).contains(QFontDatabase::SimplifiedChinese))
            showWritingSystem(parts, QFontDatabase::SimplifiedChinese);
        auto keeper = std::make_unique<StyleKeeper>(*fonts, parts, preset);
        QObject::connect(fonts, &QFontDialog::currentFontChanged, &dialog,
                         [&keeper](const QFont &shown) { keeper->follow(shown); });
        fonts->setCurrentFont(preset);
        keeper->follow(fonts->currentFont());
        if (parts.preview)
            parts.preview->setText(QFontDatabase::writingSystemSample(QFontDatabase::SimplifiedChinese));

        auto *colour = new ColourPicker(&dialog);
        colour->setInitialColour(start.colour);
        paintPreview(parts.preview, start.colour);
        colour->setEventSink([colour, preview = parts.preview](Event event) {
            if (event == Event::ColourChange)
                paintPreview(preview, colour->colour());
        });
        auto *colourRow = new QHBoxLayout;
        colourRow->addWidget(new QLabel(QStringLiteral("颜色"), &dialog));
        colourRow->addWidget(colour);
        colourRow->addStretch();

        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        // Enter confirms from every part of the dialog that does not take it itself.
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(fonts);
        layout->addLayout(colourRow);
        layout->addWidget(buttons);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FontChoice{fonts->currentFont(), colour->colour()};
    };
}

int FontDialog::dotsPerInch() const
{
    if (m_owner)
        return m_owner->logicalDpiY();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

bool FontDialog::open()
{
    const int dpi = dotsPerInch();
    FontChoice start;
    start.font.setWeight(m_results.bold == 1 ? QFont::Bold : QFont::Normal);
    start.font.setItalic(m_results.italic == 1);
    start.font.setStrikeOut(m_results.strikeout == 1);
    start.font.setUnderline(m_results.underline == 1);
    if (!m_results.faceName.isEmpty())
        start.font.setFamily(m_results.faceName);
    if (m_results.size != 0)
        start.font.setPixelSize(std::max(1, characterHeight(m_results.size, dpi)));
    start.colour = m_results.colour;

    const std::optional<FontChoice> chosen = m_chooser(start, m_owner);
    if (!chosen)
        return false;
    const QFont &font = chosen->font;
    // A character height is whole pixels; a size in points becomes one first.
    const int height =
        font.pixelSize() > 0 ? font.pixelSize() : std::max(0, int(std::lround(font.pointSizeF() * dpi / 72.0)));
    m_results.bold = font.weight() >= QFont::Bold ? 1 : 0;
    m_results.italic = font.italic() ? 1 : 0;
    m_results.strikeout = font.strikeOut() ? 1 : 0;
    m_results.underline = font.underline() ? 1 : 0;
    m_results.faceName = faceWithoutFoundry(font.family());
    m_results.size = pointsForHeight(height, dpi);
    m_results.colour = chosen->colour & 0x00FFFFFFu;
    return true;
}

} // namespace ui
