#pragma once

#include <QIcon>
#include <QMargins>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

namespace skin {

// The one place that turns a picture name into artwork. Pictures are SVG files under
// resources/ (":/skin/<name>.svg"), drawn crisp at any size and device pixel ratio.
//
// Two kinds of picture:
//  - frames (faces, buttons, edit frames, list headers, scroll-bar parts) stretch to
//    any rectangle: their corners keep their size and only the middle stretches
//    (sliceMargins() is not null);
//  - glyphs (close, icons, status marks, illustrations) keep their aspect ratio and
//    are centred in the rectangle.
//
// States: a picture may come with "<name>-hover", "<name>-pressed" and
// "<name>-disabled" files; when one is missing the state is derived from the normal
// picture (lighter, darker, greyed), so every picture works in every state.
// A "second picture" (active tab, checked picture button) is "<name>-alt".
//
// Picture names (see names below): faces "face-dialog", "face-main", "face-login";
// title-band glyphs "close", "minimise", "menu"; frames "button-primary",
// "button-secondary", "tab", "edit-frame", "edit-search", "list-header",
// "scroll-track", "scroll-thumb"; glyphs "scroll-up", "scroll-down", "scroll-left",
// "scroll-right", "combo-arrow", "check-off", "check-on", "radio-off", "radio-on",
// "balance" (a coin at the left), "label-pill" (captions on the title band);
// glyphs "app-icon", "logo", "login-banner", "avatar", "addressbook", "live-on",
// "live-off", "banner", "progress-band", "info", "add", "status-joined",
// "status-ringing", "status-muted", "status-speaking", "status-waiting",
// "contact-group", "contact-person", "contact-conference".
class Artwork {
public:
    enum class State { Normal, Hover, Pressed, Disabled };

    // Registers the pictures with Qt's resource system. The skin is a static library, so
    // the linker would otherwise drop them; every entry point here calls it, and so do
    // the controls whose style sheets name pictures.
    static void ensureResources();

    static bool contains(const QString& name);
    static QString resourcePath(const QString& name); // empty when there is no such picture
    static QSize naturalSize(const QString& name); // the SVG's own size; empty when unknown

    // Borders that keep their size when a frame stretches; null for glyphs.
    static QMargins sliceMargins(const QString& name);
    // Where a frame's text or child goes (an edit's text, a face's area below its title band).
    static QMargins contentMargins(const QString& name);

    // Draws the picture into target; an unknown name draws nothing.
    static void paint(QPainter& painter, const QString& name, const QRect& target, State state = State::Normal);
    static QPixmap pixmap(const QString& name, const QSize& size, State state = State::Normal, qreal dpr = 1.0);
    static QIcon icon(const QString& name);
};

// Names of the pictures, for code that prefers a constant to a string.
namespace names {
inline constexpr auto FaceDialog = "face-dialog";
inline constexpr auto FaceMain = "face-main";
inline constexpr auto FaceLogin = "face-login";
inline constexpr auto Close = "close";
inline constexpr auto Minimise = "minimise";
inline constexpr auto Menu = "menu";
inline constexpr auto ButtonPrimary = "button-primary";
inline constexpr auto ButtonSecondary = "button-secondary";
inline constexpr auto Tab = "tab";
inline constexpr auto EditFrame = "edit-frame";
inline constexpr auto EditSearch = "edit-search";
inline constexpr auto ListHeader = "list-header";
inline constexpr auto CheckOff = "check-off";
inline constexpr auto CheckOn = "check-on";
inline constexpr auto RadioOff = "radio-off";
inline constexpr auto RadioOn = "radio-on";
inline constexpr auto AppIcon = "app-icon";
inline constexpr auto Logo = "logo";
inline constexpr auto LoginBanner = "login-banner";
inline constexpr auto Avatar = "avatar";
inline constexpr auto Balance = "balance";
inline constexpr auto LabelPill = "label-pill";
inline constexpr auto AddressBook = "addressbook";
inline constexpr auto LiveOn = "live-on";
inline constexpr auto LiveOff = "live-off";
inline constexpr auto Banner = "banner";
inline constexpr auto ProgressBand = "progress-band";
inline constexpr auto Info = "info";
inline constexpr auto Add = "add";
inline constexpr auto StatusJoined = "status-joined";
inline constexpr auto StatusRinging = "status-ringing";
inline constexpr auto StatusMuted = "status-muted";
inline constexpr auto StatusSpeaking = "status-speaking";
inline constexpr auto StatusWaiting = "status-waiting";
inline constexpr auto ContactGroup = "contact-group";
inline constexpr auto ContactPerson = "contact-person";
inline constexpr auto ContactConference = "contact-conference";
} // namespace names

} // namespace skin
