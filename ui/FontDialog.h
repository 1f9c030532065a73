#pragma once

#include "ui/Colour.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace ui {

// What the font chooser is preset to and what it hands back on OK. The font
// carries a pixel size when a height is known; a chooser may answer in points.
struct FontChoice {
    QFont font;
    ColourValue colour = 0;
};

// Shows a modal chooser owned by the given window; nothing on Cancel.
using FontChooser = std::function<std::optional<FontChoice>(const FontChoice &start, QWidget *owner)>;

// The results the font dialog remembers between openings.
struct FontDialogResults {
    int bold = 0;
    int italic = 0;
    int strikeout = 0;
    int underline = 0;
    QString faceName; // empty: none
    int size = 0;     // whole points
    ColourValue colour = 0;

    bool operator==(const FontDialogResults &) const = default;
};

// The non-visual font dialog object: remembers the last confirmed choice.
class FontDialog : public QObject {
public:
    explicit FontDialog(QWidget *owner);

    const FontDialogResults &results() const { return m_results; }
    // Shows the chooser preset to the remembered results; true on OK.
    bool open();

    // Replaces the chooser, so that tests can answer it without a person.
    void setChooser(FontChooser chooser);
    // The screen fonts with their styles, sizes, strikeout, underline and a colour.
    static FontChooser standardChooser();

private:
    int dotsPerInch() const;

    QWidget *m_owner;
    FontDialogResults m_results;
    FontChooser m_chooser;
};

} // namespace ui
