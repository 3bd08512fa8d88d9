#include "core/conference/BookingLook.h"

#include <QCoreApplication>

BookingLook BookingLook::of(View view)
{
    const QString book = QCoreApplication::translate("BookingLook", "预约会议");
    const QString cancel = QCoreApplication::translate("BookingLook", "取消会议");
    const QString edit = QCoreApplication::translate("BookingLook", "编辑会议");
    const QString save = QCoreApplication::translate("BookingLook", "保存修改");
    switch (view) {
    case View::Viewing:
        return { cancel, edit, true, false };
    case View::Editing:
        return { cancel, save, true, true };
    case View::NewBooking:
        break;
    }
    return { book, edit, false, true };
}

BookingLook BookingLook::sending(BookingLook before)
{
    before.groupEnabled = false;
    return before;
}
