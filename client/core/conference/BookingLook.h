#pragma once

#include <QString>

// How the scheduled page looks in each of its views: the book button's caption, the
// edit button's caption and whether it can be pressed, and whether the editing group
// (topic, name, host and phone edits, the time picker, the add button and the list)
// takes input.
struct BookingLook {
    enum class View {
        NewBooking, // nothing booked yet
        Viewing, // an existing booking, read only
        Editing, // an existing booking being changed
    };

    QString bookCaption;
    QString editCaption;
    bool editEnabled = false;
    bool groupEnabled = false;

    bool operator==(const BookingLook&) const = default;

    static BookingLook of(View view);
    // While a booking is on its way: the buttons stay as they were, the group is locked.
    static BookingLook sending(BookingLook before);
};
