#include "SkinGallery.h"

#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CButtonST.h"
#include "skin/CDialogEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CListBoxEx.h"
#include "skin/CListCtrlEx.h"
#include "skin/CStaticEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"
#include "skin/ScrollBar.h"
#include "skin/Theme.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QSvgRenderer>
#include <QTest>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& local, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A list whose first row is painted through the background hook, to see the hook used.
class GreenFirstRowList : public CListCtrlEx {
public:
    QColor cellBackgroundColor(int row, int column) const override
    {
        return row == 0 ? QColor(0, 200, 0) : CListCtrlEx::cellBackgroundColor(row, column);
    }
};

} // namespace

class SkinControlsTest : public QObject {
    Q_OBJECT

private slots:
    void artworkResolvesEveryPicture();
    void artworkStatesAndFrames();
    void fontsAskForCjkFamilies();
    void fontsMeasuredByTheirCellHeight();
    void dialogFaceDrags();
    void dialogCloseButtonCancels();
    void pageLeavesEscapeToItsWindow();
    void pictureButtonPicturesAndCaptionColours();
    void checkBoxTogglesAndEmits();
    void linkOpensItsAddress();
    void menuButtonSendsCommand();
    void scrollBarDisabledWhileContentFits();
    void reportListCellsDataAndChecks();
    void reportListSortsRowsWithTheirData();
    void reportListUsesColourHooks();
    void reportListOverOutsideModel();
    void reportListFollowsOutsideRows();
    void groupedListRowsAndSelection();
    void pictureEditKeepsTextClearOfPicture();
    void gallery();
};

void SkinControlsTest::artworkResolvesEveryPicture()
{
    const QStringList files = QDir(QStringLiteral(":/skin")).entryList({ QStringLiteral("*.svg") });
    QVERIFY(files.size() > 30);
    for (const QString& file : files) {
        QSvgRenderer svg(QStringLiteral(":/skin/") + file);
        QVERIFY2(svg.isValid(), qPrintable(file));
        QVERIFY2(!svg.defaultSize().isEmpty(), qPrintable(file));
    }
    using namespace skin::names;
    for (const char* name :
        { FaceDialog, FaceMain, FaceLogin, Close, Minimise, Menu, ButtonPrimary, ButtonSecondary, Tab, EditFrame,
            EditSearch, ListHeader, CheckOff, CheckOn, RadioOff, RadioOn, AppIcon, Logo, LoginBanner, Avatar, Balance,
            LabelPill, AddressBook, LiveOn, LiveOff, Banner, ProgressBand, Info, Add, StatusJoined, StatusRinging,
            StatusMuted, StatusSpeaking, StatusWaiting, ContactGroup, ContactPerson, ContactConference }) {
        QVERIFY2(skin::Artwork::contains(QString::fromLatin1(name)), name);
    }
    QVERIFY(!skin::Artwork::contains(QStringLiteral("no-such-picture")));
    QVERIFY(skin::Artwork::pixmap(QStringLiteral("no-such-picture"), QSize(10, 10)).isNull());
}

void SkinControlsTest::artworkStatesAndFrames()
{
    // A glyph without state files still looks different when hovered, pressed or disabled.
    const QString glyph = QStringLiteral("add");
    const QImage normal = skin::Artwork::pixmap(glyph, QSize(20, 20)).toImage();
    for (auto state : { skin::Artwork::State::Hover, skin::Artwork::State::Pressed, skin::Artwork::State::Disabled })
        QVERIFY(skin::Artwork::pixmap(glyph, QSize(20, 20), state).toImage() != normal);

    // A stretched frame keeps its rounded corners: transparent corner pixel, opaque middle.
    const QImage wide = skin::Artwork::pixmap(QStringLiteral("button-primary"), QSize(300, 30)).toImage();
    QCOMPARE(wide.size(), QSize(300, 30));
    QCOMPARE(qAlpha(wide.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(wide.pixel(299, 29)), 0);
    QCOMPARE(qAlpha(wide.pixel(150, 15)), 255);
    QCOMPARE(qAlpha(wide.pixel(2, 15)), 255);

    // Faces keep their title band: the band's colour at the top, the face's below it.
    const QImage face = skin::Artwork::pixmap(QStringLiteral("face-dialog"), QSize(500, 400)).toImage();
    const QColor band = face.pixelColor(250, 18);
    const QColor body = face.pixelColor(250, 200);
    QVERIFY(band.blue() > band.red() + 60);
    QVERIFY(qAbs(body.red() - 245) < 6);
    QCOMPARE(skin::Artwork::contentMargins(QStringLiteral("face-dialog")).top(), 36);

    // A frame smaller than its fixed borders shrinks them instead of spilling over.
    const QImage tiny = skin::Artwork::pixmap(QStringLiteral("face-dialog"), QSize(20, 20)).toImage();
    QCOMPARE(tiny.size(), QSize(20, 20));
    QVERIFY(qAlpha(tiny.pixel(10, 10)) == 255);

    // High-density screens get pictures drawn at their own resolution.
    const QPixmap sharp
        = skin::Artwork::pixmap(QStringLiteral("close"), QSize(28, 28), skin::Artwork::State::Normal, 2.0);
    QCOMPARE(sharp.size(), QSize(56, 56));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
}

void SkinControlsTest::fontsMeasuredByTheirCellHeight()
{
    // The largest letters whose whole line fits the height the window asks for.
    const struct {
        const char16_t* family;
        int cell;
        QFont::Weight weight;
    } cases[] = { { u"微软雅黑", 20, QFont::Normal }, { u"Arial", 22, QFont::Normal }, { u"Arial", 14, QFont::Bold } };
    for (const auto& sample : cases) {
        const QString family = QString::fromUtf16(sample.family);
        const QFont font = skin::Fonts::withCellHeight(family, sample.cell, sample.weight);
        QVERIFY(QFontMetrics(font).height() <= sample.cell);
        QFont larger = font;
        larger.setPixelSize(font.pixelSize() + 1);
        QVERIFY2(QFontMetrics(larger).height() > sample.cell, qPrintable(family));
        QCOMPARE(font.weight(), sample.weight);
    }
}

void SkinControlsTest::fontsAskForCjkFamilies()
{
    const QStringList ui = skin::Fonts::ui(12).families();
    QCOMPARE(ui.value(0), QStringLiteral("Microsoft YaHei"));
    QVERIFY(ui.contains(QStringLiteral("WenQuanYi Micro Hei")));
    QVERIFY(ui.contains(QStringLiteral("Noto Sans CJK SC")));

    const QFont arial = skin::Fonts::named(QStringLiteral("Arial"), 22, QFont::Normal);
    QCOMPARE(arial.families().value(0), QStringLiteral("Arial"));
    QCOMPARE(arial.pixelSize(), 22);
    QVERIFY(arial.families().contains(QStringLiteral("WenQuanYi Micro Hei")));
    QCOMPARE(skin::Fonts::named(QStringLiteral("微软雅黑"), 20).families().value(0), QStringLiteral("Microsoft YaHei"));

    // The windows' texts are Chinese: the chosen font must draw them.
    QFontMetrics metrics(skin::Fonts::ui(14));
    for (QChar c : QStringLiteral("登录会议联系人"))
        QVERIFY(metrics.inFont(c));
}

void SkinControlsTest::dialogFaceDrags()
{
    CDialogEx dialog;
    dialog.resize(300, 200);
    dialog.move(100, 100);
    auto* button = new CButtonPNG(QStringLiteral("确定"), &dialog);
    button->setImage(QStringLiteral("button-primary"));
    button->setGeometry(20, 150, 80, 30);
    auto* label = new CTransparentStatic(QStringLiteral("帐号"), &dialog);
    label->setGeometry(20, 60, 80, 20);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QSignalSpy drags(&dialog, &CDialogEx::dragStarted);
    QSignalSpy clicks(button, &CButtonPNG::clicked);

    // A control keeps its press: no drag, and the button clicks.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(drags.count(), 0);

    // The face itself, and a label on it, start a move; the window follows the mouse.
    const QPoint start = dialog.pos();
    sendMouse(&dialog, QEvent::MouseButtonPress, QPoint(150, 100), Qt::LeftButton);
    QCOMPARE(drags.count(), 1);
    sendMouse(&dialog, QEvent::MouseMove, QPoint(180, 140), Qt::LeftButton);
    QTRY_COMPARE(dialog.pos(), start + QPoint(30, 40));
    sendMouse(&dialog, QEvent::MouseButtonRelease, QPoint(180, 140), Qt::NoButton);
    // After the release, moving the mouse no longer moves the window.
    sendMouse(&dialog, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
    QCOMPARE(dialog.pos(), start + QPoint(30, 40));

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(drags.count(), 2);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, 5));

    // A page embedded in a window moves that window.
    auto* page = new CDialogEx(&dialog, CDialogEx::Placement::Child);
    page->setGeometry(150, 40, 120, 100);
    page->show();
    QVERIFY(!page->isWindow());
    QSignalSpy pageDrags(page, &CDialogEx::dragStarted);
    const QPoint before = dialog.pos();
    sendMouse(page, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    sendMouse(page, QEvent::MouseMove, QPoint(15, 25), Qt::LeftButton);
    sendMouse(page, QEvent::MouseButtonRelease, QPoint(15, 25), Qt::NoButton);
    QCOMPARE(pageDrags.count(), 1);
    QTRY_COMPARE(dialog.pos(), before + QPoint(5, 15));
}

void SkinControlsTest::dialogCloseButtonCancels()
{
    CDialogEx dialog;
    dialog.resize(320, 180);
    CButtonPNG* close = dialog.closeButton();
    QCOMPARE(close, dialog.closeButton());
    QCOMPARE(close->objectName(), QStringLiteral("closeButton"));
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // The close button stays in the title band's top-right corner when the dialog grows.
    dialog.resize(500, 300);
    QVERIFY(close->geometry().right() < 500 && close->geometry().right() > 480);
    QVERIFY(close->geometry().bottom() <= dialog.titleBandHeight());

    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), static_cast<int>(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void SkinControlsTest::pageLeavesEscapeToItsWindow()
{
    CDialogEx window;
    window.resize(300, 200);
    auto* page = new CDialogEx(&window, CDialogEx::Placement::Child);
    page->setGeometry(0, 40, 300, 160);
    QCOMPARE(page->titleBandHeight(), 0);
    auto* edit = new QLineEdit(page);
    window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    QSignalSpy pageFinished(page, &QDialog::finished);
    QSignalSpy windowFinished(&window, &QDialog::finished);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(pageFinished.count(), 0);
    QVERIFY(page->isVisibleTo(&window));
    QCOMPARE(windowFinished.count(), 1);
}

void SkinControlsTest::pictureButtonPicturesAndCaptionColours()
{
    CButtonPNG tab(QStringLiteral("即时会议"));
    tab.setImage(QStringLiteral("tab"));
    QCOMPARE(tab.shownPicture(), QStringLiteral("tab"));
    tab.setNormalPicIndex(1);
    QCOMPARE(tab.shownPicture(), QStringLiteral("tab-alt"));

    // Without chosen colours the caption stays readable on its picture.
    QCOMPARE(tab.textColor(), skin::palette::BrandDeep);
    CButtonPNG primary(QStringLiteral("确定"));
    primary.setImage(QStringLiteral("button-primary"));
    QCOMPARE(primary.textColor(), skin::palette::TextOnBrand);

    // A check-box picture button shows its second picture while checked.
    tab.setNormalPicIndex(0);
    tab.setCheckable(true);
    QTest::mouseClick(&tab, Qt::LeftButton);
    QVERIFY(tab.isChecked());
    QCOMPARE(tab.shownPicture(), QStringLiteral("tab-alt"));

    // A picture without a second picture keeps showing the first.
    CButtonPNG plain;
    plain.setImage(QStringLiteral("button-secondary"));
    plain.setNormalPicIndex(1);
    QCOMPARE(plain.shownPicture(), QStringLiteral("button-secondary"));

    plain.setNormalPicIndex(0);
    plain.setTextColors(Qt::black, Qt::white);
    QCOMPARE(plain.textColor(), QColor(Qt::black));
    plain.setNormalPicIndex(1);
    QCOMPARE(plain.textColor(), QColor(Qt::white));
    plain.setEnabled(false);
    QVERIFY(plain.textColor() != QColor(Qt::white) && plain.textColor() != QColor(Qt::black));

    // Alignment 0 puts the caption at the left, 1 centres it.
    plain.setStringAlignment(0);
    QVERIFY(plain.textAlignment() & Qt::AlignLeft);
    plain.setStringAlignment(1);
    QVERIFY(plain.textAlignment() & Qt::AlignHCenter);
}

void SkinControlsTest::checkBoxTogglesAndEmits()
{
    CButtonCR box(QStringLiteral("保存密码"));
    box.resize(box.sizeHint());
    QSignalSpy toggled(&box, &CButtonCR::toggled);
    QTest::mouseClick(&box, Qt::LeftButton);
    QVERIFY(box.isChecked());
    // The text is part of the box: a click on it toggles too.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 3, box.height() / 2));
    QVERIFY(!box.isChecked());
    QCOMPARE(toggled.count(), 2);
    box.setChecked(true);
    QCOMPARE(toggled.count(), 3);

    // Radio-like boxes: a click on a checked one leaves it checked, clicked() still fires.
    CButtonCR radio(QStringLiteral("退出程序"));
    radio.setRadioLike(true);
    QCOMPARE(radio.checkedPicture(), QStringLiteral("radio-on"));
    radio.resize(radio.sizeHint());
    QSignalSpy clicked(&radio, &CButtonCR::clicked);
    QTest::mouseClick(&radio, Qt::LeftButton);
    QTest::mouseClick(&radio, Qt::LeftButton);
    QVERIFY(radio.isChecked());
    QCOMPARE(clicked.count(), 2);

    // Pictures chosen by the window are kept when it becomes radio-like.
    CButtonCR custom;
    custom.setPictures(QStringLiteral("status-waiting"), QStringLiteral("status-joined"));
    custom.setRadioLike(true);
    QCOMPARE(custom.checkedPicture(), QStringLiteral("status-joined"));
}

void SkinControlsTest::linkOpensItsAddress()
{
    QList<QUrl> opened;
    CStaticEx::setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    CDialogEx dialog;
    dialog.resize(300, 200);
    auto* link = new CStaticEx(QStringLiteral("免费注册"), &dialog);
    link->setGeometry(20, 60, 100, 20);
    link->setTextStyle(QColor(12, 122, 183), true, false, 400);
    const QUrl address(QStringLiteral("http://127.0.0.1:8080/nav/register.aspx"));
    link->setUrl(address);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QSignalSpy drags(&dialog, &CDialogEx::dragStarted);
    QSignalSpy results(link, &CStaticEx::urlOpened);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(opened, QList<QUrl> { address });
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.first().at(1).toBool(), true);
    QCOMPARE(drags.count(), 0);

    // Releasing outside the link cancels the click.
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(opened.size(), 1);

    // A link without an address is a plain clickable text.
    link->setUrl(QUrl());
    QSignalSpy clicks(link, &CStaticEx::clicked);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(opened.size(), 1);
    CStaticEx::setUrlOpener(nullptr);
}

void SkinControlsTest::menuButtonSendsCommand()
{
    QWidget window;
    window.resize(200, 200);
    auto* button = new CButtonST(&window);
    button->setPictures(QStringLiteral("menu"), QStringLiteral("menu-hover"));
    button->sizeToContent();
    QCOMPARE(button->size(), skin::Artwork::naturalSize(QStringLiteral("menu")));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Without a menu the button is an ordinary button.
    QSignalSpy clicks(button, &CButtonST::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!button->hasMenu());

    button->addMenuCommand(32771, QStringLiteral("即时会议    "), QStringLiteral("add"));
    button->addMenuSeparator();
    QAction* exit = button->addMenuCommand(32802, QStringLiteral("退    出"));
    QSignalSpy commands(button, &CButtonST::menuCommand);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(button->dropMenu()->isVisible());
    QVERIFY(button->dropMenu()->geometry().top() >= button->mapToGlobal(QPoint(0, button->height())).y() - 1);
    exit->trigger();
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().first().toInt(), 32802);

    button->setMenuCommandEnabled(32802, false);
    QVERIFY(!exit->isEnabled());
    button->dropMenu()->close();
}

void SkinControlsTest::scrollBarDisabledWhileContentFits()
{
    CListCtrlEx list;
    list.addColumn(QStringLiteral("会议主题"), 150);
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto* bar = qobject_cast<skin::ScrollBar*>(list.verticalScrollBar());
    QVERIFY(bar);
    list.appendItem({ QStringLiteral("a") });
    list.appendItem({ QStringLiteral("b") });
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(!bar->isEnabled());

    for (int i = 0; i < 60; ++i)
        list.appendItem({ QString::number(i) });
    QTRY_VERIFY(bar->isEnabled());
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->width(), skin::ScrollBar::Thickness);

    list.deleteAllItems();
    QTRY_VERIFY(!bar->isEnabled());
    QVERIFY(bar->isVisible());
}

void SkinControlsTest::reportListCellsDataAndChecks()
{
    CListCtrlEx list;
    QCOMPARE(list.addColumn(QStringLiteral("姓名"), 120, Qt::AlignHCenter), 0);
    QCOMPARE(list.addColumn(QStringLiteral("编号"), 0), 1);
    QCOMPARE(list.addColumn(QStringLiteral("电话"), 120), 2);
    QVERIFY(list.isColumnHidden(1));
    QCOMPARE(list.columnTitle(2), QStringLiteral("电话"));

    QCOMPARE(list.appendItem({ QStringLiteral("张三"), QStringLiteral("7"), QStringLiteral("13800000001") }, 101), 0);
    QCOMPARE(list.appendItem({ QStringLiteral("李四"), QStringLiteral("8"), QStringLiteral("13800000002") }, 102), 1);
    // Inserting in the middle moves the later rows' texts and data along.
    QCOMPARE(list.insertItem(1, QStringLiteral("王五")), 1);
    list.setItemText(1, 2, QStringLiteral("13800000003"));
    list.setItemData(1, 103);
    QCOMPARE(list.itemCount(), 3);
    QCOMPARE(list.itemText(2, 0), QStringLiteral("李四"));
    QCOMPARE(list.itemData(2).toInt(), 102);
    QCOMPARE(list.itemText(1, 2), QStringLiteral("13800000003"));
    QCOMPARE(list.itemText(1, 1), QString());
    QVERIFY(list.item(0, 0)->textAlignment() & Qt::AlignHCenter);
    // An index past the end appends; out-of-range reads are empty, writes ignored.
    QCOMPARE(list.insertItem(99, QStringLiteral("赵六")), 3);
    QCOMPARE(list.itemText(7, 0), QString());
    QVERIFY(!list.itemData(-1).isValid());
    list.setItemText(7, 0, QStringLiteral("x"));
    QCOMPARE(list.itemCount(), 4);

    QVERIFY(list.deleteItem(0));
    QVERIFY(!list.deleteItem(10));
    QCOMPARE(list.itemData(0).toInt(), 103);

    // Check boxes: state per row, one signal per change, none for an unchanged state.
    list.setCheckBoxes(true);
    QSignalSpy changes(&list, &CListCtrlEx::itemCheckChanged);
    list.setItemChecked(1, true);
    list.setItemChecked(1, true);
    list.setItemText(1, 2, QStringLiteral("13900000000"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).toInt(), 1);
    QCOMPARE(changes.first().at(1).toBool(), true);
    QCOMPARE(list.checkedRows(), QList<int> { 1 });
    QVERIFY(!list.isItemChecked(0));
    // Rows added later get a box too.
    const int added = list.appendItem({ QStringLiteral("孙七") });
    list.setItemChecked(added, true);
    QCOMPARE(list.checkedRows(), (QList<int> { 1, added }));

    // The user ticks a row by clicking its box.
    list.resize(400, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect first = list.visualRect(list.model()->index(0, 0));
    changes.clear();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(first.left() + 11, first.center().y()));
    QVERIFY(list.isItemChecked(0));
    QCOMPARE(changes.count(), 1);

    list.selectRow(2);
    QCOMPARE(list.selectedRow(), 2);
    list.deleteAllItems();
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.selectedRow(), -1);
}

void SkinControlsTest::reportListSortsRowsWithTheirData()
{
    CListCtrlEx list;
    list.addColumn(QStringLiteral("编号"), 60);
    list.addColumn(QStringLiteral("会议主题"), 150);
    list.setCheckBoxes(true);
    list.appendItem({ QStringLiteral("10"), QStringLiteral("c") }, QStringLiteral("ten"));
    list.appendItem({ QStringLiteral("9"), QStringLiteral("a") }, QStringLiteral("nine"));
    list.appendItem({ QStringLiteral("100"), QStringLiteral("b") }, QStringLiteral("hundred"));
    list.setItemChecked(2, true);
    list.selectRow(2);

    list.sortRows(0, Qt::AscendingOrder);
    // Numbers sort as numbers; data, checks and selection travel with their rows.
    QCOMPARE(list.itemText(0, 0), QStringLiteral("9"));
    QCOMPARE(list.itemText(1, 0), QStringLiteral("10"));
    QCOMPARE(list.itemText(2, 0), QStringLiteral("100"));
    QCOMPARE(list.itemData(0).toString(), QStringLiteral("nine"));
    QCOMPARE(list.itemText(0, 1), QStringLiteral("a"));
    QCOMPARE(list.checkedRows(), QList<int> { 2 });
    QCOMPARE(list.selectedRow(), 2);

    // Clicking a title sorts by it, a second click reverses.
    list.setSortingByHeader(true);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QHeaderView* header = list.horizontalHeader();
    const QPoint title(header->sectionViewportPosition(1) + 20, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
    QCOMPARE(list.itemText(0, 1), QStringLiteral("a"));
    QCOMPARE(list.itemText(2, 1), QStringLiteral("c"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
    QCOMPARE(list.itemText(0, 1), QStringLiteral("c"));
    QCOMPARE(list.itemData(0).toString(), QStringLiteral("ten"));
}

void SkinControlsTest::reportListUsesColourHooks()
{
    GreenFirstRowList list;
    list.addColumn(QStringLiteral("会议主题"), 150);
    list.appendItem({ QString() });
    list.appendItem({ QString() });
    list.setIntersectColors(QColor(255, 0, 0), QColor(0, 0, 255));
    list.resize(200, 120);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage shot = list.viewport()->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const int x = qRound(60 * dpr);
    const int row0 = qRound((list.rowViewportPosition(0) + 4) * dpr);
    const int row1 = qRound((list.rowViewportPosition(1) + 4) * dpr);
    QCOMPARE(shot.pixelColor(x, row0), QColor(0, 200, 0));
    QCOMPARE(shot.pixelColor(x, row1), QColor(0, 0, 255));
}

namespace {

QList<QStandardItem*> memberRow(const QString& name, const QString& phone, int id)
{
    auto* first = new QStandardItem(QString::number(id));
    first->setData(id, Qt::UserRole);
    return { first, new QStandardItem(name), new QStandardItem(phone) };
}

// Numbers whose rows (and columns) are replaced wholesale, as a filter does.
class ReloadedModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_columns; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(index.row() * 10 + index.column()) : QVariant();
    }
    void reload(int rows, int columns)
    {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        endResetModel();
    }

private:
    int m_rows = 0;
    int m_columns = 0;
};

} // namespace

void SkinControlsTest::reportListOverOutsideModel()
{
    CListCtrlEx list;
    list.addColumn(QStringLiteral("旧"), 50);
    list.appendItem({ QStringLiteral("own") });
    QStandardItemModel members(0, 3);
    members.setHorizontalHeaderLabels({ QStringLiteral("编号"), QStringLiteral("姓名"), QStringLiteral("电话") });
    members.appendRow(memberRow(QStringLiteral("张三"), QStringLiteral("13800000001"), 7));
    members.appendRow(memberRow(QStringLiteral("李四"), QStringLiteral("13800000002"), 8));

    // Widths given before the model arrive with it; titles are the model's.
    list.setColumnWidths({ 0, 120, 140 });
    list.setModel(&members);
    QVERIFY(!list.showsOwnRows());
    QVERIFY(list.isColumnHidden(0));
    QCOMPARE(list.columnWidth(1), 120);
    QCOMPARE(list.columnWidth(2), 140);
    QCOMPARE(list.columnTitle(1), QStringLiteral("姓名"));
    members.setHeaderData(1, Qt::Horizontal, QStringLiteral("名字"));
    QCOMPARE(list.columnTitle(1), QStringLiteral("名字"));
    QCOMPARE(list.itemCount(), 2);
    QCOMPARE(list.itemText(1, 2), QStringLiteral("13800000002"));
    QCOMPARE(list.itemData(1).toInt(), 8);
    QCOMPARE(list.itemText(2, 0), QString());

    // The columns a model brings again after clearing get their widths again.
    members.clear();
    members.setHorizontalHeaderLabels({ QStringLiteral("编号"), QStringLiteral("姓名"), QStringLiteral("电话") });
    QVERIFY(list.isColumnHidden(0));
    QCOMPARE(list.columnWidth(2), 140);
    // Columns that come with a reset get their widths; a width the user dragged and
    // the hidden column outlive the next reset.
    ReloadedModel reloaded;
    list.setModel(&reloaded);
    reloaded.reload(2, 3);
    QVERIFY(list.isColumnHidden(0));
    QCOMPARE(list.columnWidth(2), 140);
    list.setColumnWidth(2, 200);
    reloaded.reload(5, 3);
    QVERIFY(list.isColumnHidden(0));
    QCOMPARE(list.columnWidth(1), 120);
    QCOMPARE(list.columnWidth(2), 200);
    QCOMPARE(list.itemText(4, 2), QStringLiteral("42"));
    list.setModel(&members);

    // The item calls leave an outside model to its owner.
    members.appendRow(memberRow(QStringLiteral("王五"), QStringLiteral("13800000003"), 9));
    QCOMPARE(list.appendItem({ QStringLiteral("x"), QStringLiteral("y") }), -1);
    QCOMPARE(list.addColumn(QStringLiteral("z"), 10), -1);
    QVERIFY(!list.deleteItem(0));
    list.setItemText(0, 1, QStringLiteral("changed"));
    list.deleteAllItems();
    QCOMPARE(members.rowCount(), 1);
    QCOMPARE(members.columnCount(), 3);
    QCOMPARE(members.item(0, 1)->text(), QStringLiteral("王五"));
    QVERIFY(!list.item(0, 1));

    // Back to the list's own rows, which were kept aside.
    list.setModel(nullptr);
    QVERIFY(list.showsOwnRows());
    QCOMPARE(list.itemCount(), 1);
    QCOMPARE(list.itemText(0, 0), QStringLiteral("own"));
    QCOMPARE(list.columnTitle(0), QStringLiteral("旧"));
    QCOMPARE(list.appendItem({ QStringLiteral("more") }), 1);
}

void SkinControlsTest::reportListFollowsOutsideRows()
{
    GreenFirstRowList list;
    QStandardItemModel members(0, 3);
    members.setHorizontalHeaderLabels({ QStringLiteral("编号"), QStringLiteral("姓名"), QStringLiteral("电话") });
    for (int i = 0; i < 3; ++i)
        members.appendRow(memberRow(QStringLiteral("成员%1").arg(i), QStringLiteral("1380000000%1").arg(i), i));
    list.setIntersectColors(QColor(255, 0, 0), QColor(0, 0, 255));
    list.setColumnWidths({ 60, 100, 120 });
    list.setModel(&members);
    list.resize(320, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    // The hover row is a row position: a removal above it must not move the
    // highlight to another record.
    const auto rowCentre = [&](int row) { return list.visualRect(members.index(row, 1)).center(); };
    sendMouse(list.viewport(), QEvent::MouseMove, rowCentre(2), Qt::NoButton);
    QCOMPARE(list.hoveredRow(), 2);
    members.removeRow(0);
    QCOMPARE(list.hoveredRow(), -1);

    // A row inserted on top is painted through the hooks like the others.
    members.insertRow(0, memberRow(QStringLiteral("新"), QStringLiteral("13900000000"), 9));
    list.selectionModel()->clear(); // the removal moved the current row's selection on
    const auto colourAt = [&](int row) {
        const QImage shot = list.viewport()->grab().toImage();
        const qreal dpr = shot.devicePixelRatio();
        return shot.pixelColor(qRound(150 * dpr), qRound((list.rowViewportPosition(row) + 4) * dpr));
    };
    QCOMPARE(colourAt(0), QColor(0, 200, 0));
    QCOMPARE(colourAt(1), QColor(0, 0, 255));
    QCOMPARE(colourAt(2), QColor(255, 0, 0));

    // The model's check boxes are ticked in the model.
    members.item(1, 0)->setCheckable(true);
    members.item(1, 0)->setCheckState(Qt::Unchecked);
    const QRect box = list.visualRect(members.index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(box.left() + 11, box.center().y()));
    QCOMPARE(members.item(1, 0)->checkState(), Qt::Checked);
    QCOMPARE(list.checkedRows(), QList<int> { 1 });

    // A title click sorts the model itself.
    list.setSortingByHeader(true);
    QHeaderView* header = list.horizontalHeader();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    QStringList names;
    for (int row = 0; row < members.rowCount(); ++row)
        names.append(members.item(row, 1)->text());
    QCOMPARE(names, (QStringList { QStringLiteral("成员1"), QStringLiteral("成员2"), QStringLiteral("新") }));
}

void SkinControlsTest::groupedListRowsAndSelection()
{
    CListBoxEx list;
    list.setImageList({ skin::Artwork::icon(QStringLiteral("contact-group")),
        skin::Artwork::icon(QStringLiteral("contact-person")) });
    list.addRow({ QStringLiteral("同事 [2]"), QVariant::fromValue(QPoint(-1, 0)), 0, true, true, true });
    list.addRow({ QStringLiteral("张三 13800000001"), QVariant::fromValue(QPoint(0, 0)), 1, false, false, true });
    QCOMPARE(list.insertRow(
                 1, { QStringLiteral("查找结果 [0]"), QVariant::fromValue(QPoint(-1, 5)), -1, true, true, false }),
        1);
    QCOMPARE(list.insertRow(50, { QStringLiteral("末行"), {}, 1 }), 3);
    QCOMPARE(list.count(), 4);

    const CListBoxEx::Row header = list.rowAt(1);
    QVERIFY(header.header && header.bold && !header.showImage);
    QCOMPARE(list.rowData(2).toPoint(), QPoint(0, 0));

    QVERIFY(!list.selectedData().isValid());
    list.setCurrentIndex(list.model()->index(2, 0));
    QCOMPARE(list.selectedRow(), 2);
    QCOMPARE(list.selectedData().toPoint(), QPoint(0, 0));

    list.setExpanded(0, true);
    QVERIFY(list.isExpanded(0));
    QVERIFY(!list.isExpanded(2));

    list.resize(240, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.visualRect(list.model()->index(0, 0)).height(), 36);
    list.setRowHeight(64);
    QTRY_COMPARE(list.visualRect(list.model()->index(3, 0)).height(), 64);

    QVERIFY(list.removeRow(0));
    QVERIFY(!list.removeRow(10));
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.selectedRow(), -1);
}

void SkinControlsTest::pictureEditKeepsTextClearOfPicture()
{
    CEditBoxBmp search;
    search.setBackgroundPicture(QStringLiteral("edit-search"));
    QCOMPARE(search.textMargins().left(), skin::Artwork::contentMargins(QStringLiteral("edit-search")).left());
    QVERIFY(search.textMargins().left() >= 24);
    QVERIFY(search.sizeHint().height() >= skin::Artwork::naturalSize(QStringLiteral("edit-search")).height());
}

void SkinControlsTest::gallery()
{
    const QString path = qEnvironmentVariable("CORVANA_SKIN_GALLERY");
    if (path.isEmpty())
        QSKIP("set CORVANA_SKIN_GALLERY=/path/to/gallery.png to render the gallery");
    const QImage image = renderSkinGallery();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(path));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    skin::Theme::apply(app);
    SkinControlsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SkinControlsTest.moc"
