#pragma once

#include <string>

// What "确定" of the group-name dialog does with the text typed: nothing for an
// empty text (the dialog stays open), just close for the group's own name, else
// rename the group.
enum class GroupRenameStep { StayOpen, Close, Rename };

GroupRenameStep groupRenameStep(const std::string& currentName, const std::string& typed);
