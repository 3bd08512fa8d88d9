#pragma once

// Which group table a RowRef refers to; travels with every RowRef.
enum class PanelMode : int { ContactGroups = 0, ConferenceGroups = 1 };
