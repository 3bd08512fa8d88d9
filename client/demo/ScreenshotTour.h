#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class MainWindow;
class QDialog;

// Walks the real program through a sign-in without a user: when the login dialog
// appears it is photographed, filled with the demo account and its button clicked;
// when the main window appears it is photographed too, the remaining windows are
// rendered if a gallery was asked for, and the program ends.
//
// It prints one line per step on stdout ("tour login-shown", "tour login-clicked MS",
// "tour main-shown MS", milliseconds on one monotonic clock), which the start-up
// benchmark reads. With an empty folder nothing is saved.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(MainWindow* mainWindow, QString folder, bool gallery, QObject* parent = nullptr);

    // Instead of ending once signed in, runs the version check and takes up the offer of a
    // new version: the program then starts the updater and ends as it would for a user.
    void setUpgrade(bool upgrade) { m_upgrade = upgrade; }

    static constexpr const char* kAccount = "13800138000";
    static constexpr const char* kPassword = "123456";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onLoginShown(QDialog* login);
    void signIn(QDialog* login);
    void onMainShown();
    void upgrade();
    void finish();
    void save(QWidget* widget, const QString& name) const;
    void report(const char* step, bool withTime) const;

    QPointer<MainWindow> m_mainWindow;
    QString m_folder;
    bool m_gallery;
    bool m_upgrade = false;
    bool m_loginSeen = false;
    bool m_mainSeen = false;
    QElapsedTimer m_clock;
};
