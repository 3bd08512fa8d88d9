#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

// The four windows that open to the right of the main window, each with the flag
// that remembers it was open, so that it comes back with the main window after a
// trip to the notification area. Placement keeps them glued to the main window's
// right edge, as tall as its client area.
class SideWindows {
public:
    // In the order a returning main window looks for one to show again.
    enum Which { Workspace, AddressBook, Recording, Bill, Count };

    void set(Which which, QWidget* window);
    QWidget* window(Which which) const { return m_windows[which]; }
    bool shownFlag(Which which) const { return m_shown[which]; }

    // Shows the window and sets its flag.
    void open(Which which);
    void setShownFlag(Which which, bool shown) { m_shown[which] = shown; }

    // Hides every side window; clearFlags also forgets which ones were open.
    void hideAll(bool clearFlags);
    // Hides every side window except one; flags are kept.
    void hideAllExcept(Which keep);
    // Shows again the first window whose flag is set.
    void showFirstFlagged();

    // Moves every existing side window against mainClient (screen coordinates).
    void glueTo(const QRect& mainClient);
    static QRect gluedGeometry(const QRect& mainClient, int ownWidth);

private:
    std::array<QPointer<QWidget>, Count> m_windows {};
    std::array<bool, Count> m_shown {};
};
