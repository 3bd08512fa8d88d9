#pragma once

#include "core/addressbook/ContactFile.h"

#include <cstddef>
#include <functional>
#include <vector>

class CCvService;
struct Credentials;

struct ContactImportCounts {
    int added = 0;
    // Rows without a name field, rows the service refused and rows it never answered.
    int refused = 0;
    // Of the refused, the rows whose exchange failed or brought no answer: the service
    // may be gone.
    int unanswered = 0;
};

// Told the position of each row before it is handled (to show progress, pause or
// stop); returning false stops the import there.
using ContactImportStep = std::function<bool(std::size_t row)>;

// Adds each row as a new contact (male, no e-mail, in no group), one service call a
// row, in file order. The service alone decides what is added; a row without a name
// field is refused without a call. Rows added before a stop stay added.
ContactImportCounts importContactRows(CCvService& service, const Credentials& who,
    const std::vector<ContactFileRow>& rows, const ContactImportStep& beforeRow = {});
