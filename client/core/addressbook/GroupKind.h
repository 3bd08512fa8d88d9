#pragma once

enum class GroupKind : int { ContactGroup = 0, ConferenceGroup = 1 };
