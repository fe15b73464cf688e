#pragma once
// The question panel: the room its option lists give their texts.

namespace platform { class ComboBox; }

// The width a drop-down list has for the text of its selected option.
int option_room(const platform::ComboBox* box);

