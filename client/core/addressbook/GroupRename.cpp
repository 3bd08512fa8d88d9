#include "core/addressbook/GroupRename.h"

GroupRenameStep groupRenameStep(const std::string& currentName, const std::string& typed)
{
    if (typed.empty())
        return GroupRenameStep::StayOpen;
    return typed == currentName ? GroupRenameStep::Close : GroupRenameStep::Rename;
}
