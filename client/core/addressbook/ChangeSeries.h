#pragma once

#include "core/addressbook/AddressBookChange.h"

#include <QStringList>

#include <vector>

class CCvService;
struct Credentials;

// What a series of changes came to: how many the service took, and the text of each
// refusal, in order.
struct ChangeSeriesReply {
    int succeeded = 0;
    QStringList refusals;
};

// Several changes of the address book as one ServiceCall job, run in order; a
// refusal does not stop the series (the group page's "移出" and "删除" act on every
// contact checked, and report each refusal on its own).
class ChangeSeries {
public:
    explicit ChangeSeries(std::vector<AddressBookChange> changes);

    ChangeSeriesReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::vector<AddressBookChange> m_changes;
};
