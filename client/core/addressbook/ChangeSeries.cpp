#include "core/addressbook/ChangeSeries.h"

#include "core/service/ServiceCall.h"

ChangeSeries::ChangeSeries(std::vector<AddressBookChange> changes)
    : m_changes(std::move(changes))
{
}

ChangeSeriesReply ChangeSeries::operator()(CCvService& service, const Credentials& who) const
{
    ChangeSeriesReply reply;
    for (const AddressBookChange& change : m_changes) {
        const ChangeReply answer = change(service, who);
        if (answer.succeeded())
            ++reply.succeeded;
        else
            reply.refusals.append(answer.message);
    }
    return reply;
}
