#include "SkinGallery.h"

#include "skin/Artwork.h"
#include "skin/CButtonCR.h"
#include "skin/CButtonPNG.h"
#include "skin/CButtonST.h"
#include "skin/CComboBoxEt.h"
#include "skin/CDateTimeCtrlEx.h"
#include "skin/CDialogEx.h"
#include "skin/CEditBoxBmp.h"
#include "skin/CEditBoxEx.h"
#include "skin/CListBoxEx.h"
#include "skin/CListCtrlEx.h"
#include "skin/CStaticEx.h"
#include "skin/CTransparentStatic.h"
#include "skin/Fonts.h"
#include "skin/Palette.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <memory>
#include <vector>

namespace {

using namespace skin;

CButtonPNG* pictureButton(QWidget* parent, const QString& picture, const QRect& geometry, const QString& text = {})
{
    auto* button = new CButtonPNG(text, parent);
    button->setImage(picture);
    button->setGeometry(geometry);
    return button;
}

std::unique_ptr<CDialogEx> loginWindow()
{
    auto dialog = std::make_unique<CDialogEx>();
    dialog->setBackground(QStringLiteral("face-login"));
    dialog->resize(CDialogEx::fromDialogUnits(170, 346));
    dialog->closeButton();
    dialog->minimiseButton();
    auto* logo = pictureButton(dialog.get(), QStringLiteral("logo"), QRect(12, 6, 104, 24));
    logo->setPictureOnly(true);

    auto* account = new CTransparentStatic(QStringLiteral("帐号"), dialog.get());
    account->setGeometry(24, 262, 40, 28);
    auto* combo = new CComboBoxEt(dialog.get());
    combo->addItems({ QStringLiteral("13800138000"), QStringLiteral("13900139000") });
    combo->setGeometry(64, 262, 166, 28);
    auto* password = new CTransparentStatic(QStringLiteral("密码"), dialog.get());
    password->setGeometry(24, 304, 40, 28);
    auto* edit = new CEditBoxEx(dialog.get());
    edit->setEchoMode(QLineEdit::Password);
    edit->setText(QStringLiteral("123456"));
    edit->setGeometry(64, 304, 166, 28);
    auto* save = new CButtonCR(QStringLiteral("保存密码"), dialog.get());
    save->setChecked(true);
    save->setGeometry(64, 344, 80, 20);
    auto* autoLogin = new CButtonCR(QStringLiteral("自动登录"), dialog.get());
    autoLogin->setGeometry(150, 344, 80, 20);
    auto* login = pictureButton(
        dialog.get(), QStringLiteral("button-primary"), QRect(24, 386, 206, 36), QStringLiteral("登    录"));
    login->setFont(Fonts::ui(15, QFont::Medium));
    auto* busy = new CTransparentStatic(QStringLiteral("正在登录."), dialog.get());
    busy->setTextColor(palette::TextMuted);
    busy->setGeometry(24, 430, 206, 20);
    busy->setAlignment(Qt::AlignCenter);
    auto* registerLink = new CStaticEx(QStringLiteral("免费注册"), dialog.get());
    registerLink->setTextStyle(QColor(12, 122, 183), true, false, 400);
    registerLink->setGeometry(24, 520, 80, 20);
    auto* homeLink = new CStaticEx(QStringLiteral("Corvana官网"), dialog.get());
    homeLink->setTextStyle(QColor(12, 122, 183), true, true, 400);
    homeLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    homeLink->setGeometry(130, 520, 100, 20);
    return dialog;
}

std::unique_ptr<CDialogEx> mainWindow()
{
    auto dialog = std::make_unique<CDialogEx>();
    dialog->setBackground(QStringLiteral("face-main"));
    dialog->resize(CDialogEx::fromDialogUnits(193, 436));
    dialog->closeButton();
    dialog->minimiseButton();
    pictureButton(dialog.get(), QStringLiteral("logo"), QRect(12, 6, 104, 24))->setPictureOnly(true);
    auto* menu = new CButtonST(dialog.get());
    menu->setPictures(QStringLiteral("menu"), QStringLiteral("menu-hover"));
    menu->setGeometry(dialog->width() - 92, 4, 28, 28);
    pictureButton(dialog.get(), QStringLiteral("avatar"), QRect(14, 50, 52, 52))->setPictureOnly(true);
    auto* accountCaption = pictureButton(
        dialog.get(), QStringLiteral("label-pill"), QRect(76, 52, 116, 24), QStringLiteral("13800138000"));
    accountCaption->setFont(Fonts::named(QStringLiteral("Arial"), 14, QFont::Bold));
    accountCaption->setTextColors(palette::Gold, palette::Gold);
    auto* balance
        = pictureButton(dialog.get(), QStringLiteral("balance"), QRect(76, 80, 116, 24), QStringLiteral(" 128.50元"));
    balance->setFont(Fonts::named(QStringLiteral("Arial"), 14, QFont::Bold));
    balance->setTextColors(palette::Gold, palette::Gold);
    balance->setStringAlignment(0);
    pictureButton(dialog.get(), QStringLiteral("addressbook"), QRect(212, 64, 28, 28));
    pictureButton(dialog.get(), QStringLiteral("live-on"), QRect(248, 64, 28, 28));

    const QStringList tabs { QStringLiteral("即时会议"), QStringLiteral("预约会议"), QStringLiteral("联系人") };
    for (int i = 0; i < tabs.size(); ++i) {
        auto* tab = pictureButton(dialog.get(), QStringLiteral("tab"), QRect(1 + i * 96, 150, 96, 34), tabs.at(i));
        tab->setFont(Fonts::named(QStringLiteral("微软雅黑"), 15));
        tab->setNormalPicIndex(i == 2 ? 1 : 0);
    }
    auto* search = new CEditBoxBmp(dialog.get());
    search->setBackgroundPicture(QStringLiteral("edit-search"));
    search->setPlaceholderText(QStringLiteral("查找联系人"));
    search->setGeometry(8, 192, 274, 28);

    auto* list = new CListBoxEx(dialog.get());
    list->setImageList({ Artwork::icon(QStringLiteral("contact-group")),
        Artwork::icon(QStringLiteral("contact-person")), Artwork::icon(QStringLiteral("contact-conference")) });
    list->setGeometry(1, 228, 288, 432);
    list->addRow({ QStringLiteral("同事 [3]"), {}, 0, true, true, true });
    list->setExpanded(0, true);
    list->addRow({ QStringLiteral("张伟 13800000001"), {}, 1 });
    list->addRow({ QStringLiteral("李娜 13800000002"), {}, 1 });
    list->addRow({ QStringLiteral("王芳 13800000003"), {}, 1 });
    list->addRow({ QStringLiteral("客户 [12]"), {}, 0, true, true, true });
    list->addRow({ QStringLiteral("周例会 [5]"), {}, 2, true, true, true });
    list->addRow({ QStringLiteral("未分组 [2]"), {}, 0, true, true, true });
    list->setCurrentIndex(list->model()->index(2, 0));

    auto* banner = new CButtonST(dialog.get());
    banner->setPictures(QStringLiteral("banner"));
    banner->setGeometry(1, dialog->height() - 49, 288, 48);
    return dialog;
}

std::unique_ptr<CDialogEx> conferenceWindow()
{
    auto dialog = std::make_unique<CDialogEx>();
    dialog->setCaption(QStringLiteral("会议控制"));
    dialog->resize(560, 380);
    dialog->closeButton();

    auto* topic = new CTransparentStatic(QStringLiteral("会议主题"), dialog.get());
    topic->setGeometry(16, 48, 64, 28);
    auto* topicEdit = new CEditBoxEx(dialog.get());
    topicEdit->setText(QStringLiteral("季度经营分析会"));
    topicEdit->setGeometry(84, 48, 200, 28);
    auto* when = new CDateTimeCtrlEx(dialog.get());
    when->setGeometry(300, 48, 160, 28);
    pictureButton(dialog.get(), QStringLiteral("add"), QRect(470, 52, 20, 20));

    auto* list = new CListCtrlEx(dialog.get());
    list->setGeometry(16, 88, 528, 200);
    list->setCheckBoxes(true);
    list->addColumn(QStringLiteral("姓名"), 110, Qt::AlignHCenter);
    list->addColumn(QStringLiteral("电话"), 130, Qt::AlignHCenter);
    list->addColumn(QStringLiteral("状态"), 100, Qt::AlignHCenter);
    list->addColumn(QStringLiteral("操作"), 170, Qt::AlignHCenter);
    const QStringList names { QStringLiteral("张伟"), QStringLiteral("李娜"), QStringLiteral("王芳"),
        QStringLiteral("刘洋"), QStringLiteral("陈静"), QStringLiteral("杨磊"), QStringLiteral("赵敏"),
        QStringLiteral("黄强"), QStringLiteral("周杰") };
    const QStringList states { QStringLiteral("发言"), QStringLiteral("旁听"), QStringLiteral("禁言"),
        QStringLiteral("呼叫中") };
    const QStringList icons { QStringLiteral("status-speaking"), QStringLiteral("status-joined"),
        QStringLiteral("status-muted"), QStringLiteral("status-ringing") };
    for (int i = 0; i < names.size(); ++i) {
        const int row = list->appendItem({ names.at(i), QStringLiteral("1380000000%1").arg(i),
            states.at(i % states.size()), QStringLiteral("禁言  挂断  移除") });
        list->item(row, 2)->setIcon(Artwork::icon(icons.at(i % icons.size())));
        list->setCellTextColor(row, 3, palette::Link);
    }
    list->setItemChecked(1, true);
    list->selectRow(2);
    list->setSortingByHeader(true);
    list->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);

    auto* progress = new QProgressBar(dialog.get());
    progress->setValue(42);
    progress->setGeometry(16, 300, 250, 18);
    auto* disabled = pictureButton(
        dialog.get(), QStringLiteral("button-primary"), QRect(244, 330, 90, 30), QStringLiteral("开始会议"));
    disabled->setEnabled(false);
    pictureButton(dialog.get(), QStringLiteral("button-secondary"), QRect(344, 330, 90, 30), QStringLiteral("取消"));
    pictureButton(dialog.get(), QStringLiteral("button-primary"), QRect(444, 330, 100, 30), QStringLiteral("结束会议"));
    auto* radio = new CButtonCR(QStringLiteral("全体禁言"), dialog.get());
    radio->setRadioLike(true);
    radio->setChecked(true);
    radio->setGeometry(16, 336, 90, 20);
    auto* radio2 = new CButtonCR(QStringLiteral("录音"), dialog.get());
    radio2->setRadioLike(true);
    radio2->setGeometry(110, 336, 70, 20);
    return dialog;
}

std::unique_ptr<CDialogEx> messageBox()
{
    auto dialog = std::make_unique<CDialogEx>();
    dialog->resize(CDialogEx::fromDialogUnits(175, 91));
    dialog->setCaption(QStringLiteral("提示"));
    dialog->closeButton();
    pictureButton(dialog.get(), QStringLiteral("info"), QRect(20, 56, 32, 32))->setPictureOnly(true);
    auto* text = new CTransparentStatic(QStringLiteral("您的程序已是最新版本。"), dialog.get());
    text->setGeometry(60, 56, 190, 32);
    pictureButton(dialog.get(), QStringLiteral("button-primary"), QRect(60, 104, 72, 28), QStringLiteral("确定"));
    pictureButton(dialog.get(), QStringLiteral("button-secondary"), QRect(142, 104, 72, 28), QStringLiteral("取消"));
    return dialog;
}

// Every picture in every state, for a look at the artwork itself.
QImage artworkSheet(int width)
{
    const QStringList glyphs { QStringLiteral("close"), QStringLiteral("minimise"), QStringLiteral("menu"),
        QStringLiteral("check-off"), QStringLiteral("check-on"), QStringLiteral("radio-off"),
        QStringLiteral("radio-on"), QStringLiteral("add"), QStringLiteral("info"), QStringLiteral("status-joined"),
        QStringLiteral("status-ringing"), QStringLiteral("status-muted"), QStringLiteral("status-speaking"),
        QStringLiteral("status-waiting"), QStringLiteral("contact-group"), QStringLiteral("contact-person"),
        QStringLiteral("contact-conference"), QStringLiteral("app-icon"), QStringLiteral("addressbook"),
        QStringLiteral("live-on"), QStringLiteral("live-off"), QStringLiteral("combo-arrow") };
    const QStringList frames { QStringLiteral("button-primary"), QStringLiteral("button-secondary"),
        QStringLiteral("tab"), QStringLiteral("edit-frame"), QStringLiteral("edit-search") };
    const int rows = 4;
    QImage sheet(width, 40 * rows + 40 * rows + 130, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(93, 185, 255));
    QPainter painter(&sheet);
    const Artwork::State states[rows]
        = { Artwork::State::Normal, Artwork::State::Hover, Artwork::State::Pressed, Artwork::State::Disabled };
    for (int s = 0; s < rows; ++s) {
        for (int i = 0; i < glyphs.size(); ++i)
            Artwork::paint(painter, glyphs.at(i), QRect(10 + i * 40, 10 + s * 40, 28, 28), states[s]);
    }
    const int top = 40 * rows + 20;
    painter.fillRect(QRect(0, top - 10, width, sheet.height()), palette::Face);
    for (int s = 0; s < rows; ++s) {
        for (int i = 0; i < frames.size(); ++i)
            Artwork::paint(painter, frames.at(i), QRect(10 + i * 130, top + s * 40, 120, 30), states[s]);
    }
    Artwork::paint(painter, QStringLiteral("progress-band"), QRect(10, top + 170, 480, 40));
    Artwork::paint(painter, QStringLiteral("banner"), QRect(500, top + 170, 290, 48));
    Artwork::paint(painter, QStringLiteral("list-header"), QRect(10, top + 230, 300, 26));
    Artwork::paint(painter, QStringLiteral("scroll-track"), QRect(320, top + 230, 200, 12));
    Artwork::paint(painter, QStringLiteral("scroll-thumb"), QRect(340, top + 232, 80, 8));
    return sheet;
}

} // namespace

QImage renderSkinGallery()
{
    std::vector<std::unique_ptr<CDialogEx>> windows;
    windows.push_back(loginWindow());
    windows.push_back(mainWindow());
    windows.push_back(conferenceWindow());
    windows.push_back(messageBox());

    std::vector<QImage> shots;
    for (auto& window : windows) {
        window->show();
        QApplication::processEvents();
        QImage shot = window->grab().toImage();
        // On screen the window's shape rounds the corners; do the same for the picture.
        QImage clipped(shot.size(), QImage::Format_ARGB32_Premultiplied);
        clipped.fill(Qt::transparent);
        QPainter painter(&clipped);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath face;
        face.addRoundedRect(QRectF(shot.rect()), 8, 8);
        painter.setClipPath(face);
        painter.drawImage(0, 0, shot);
        shots.push_back(clipped);
        window->hide();
    }

    const int gap = 24;
    int width = gap;
    int height = 0;
    for (const QImage& shot : shots) {
        width += shot.width() + gap;
        height = std::max(height, shot.height());
    }
    const QImage sheet = artworkSheet(width - 2 * gap);
    QImage gallery(width, height + sheet.height() + 3 * gap, QImage::Format_ARGB32_Premultiplied);
    gallery.fill(QColor(214, 224, 234));
    QPainter painter(&gallery);
    int x = gap;
    for (const QImage& shot : shots) {
        painter.drawImage(x, gap, shot);
        x += shot.width() + gap;
    }
    painter.drawImage(gap, height + 2 * gap, sheet);
    return gallery;
}
