// Adding, changing and deleting entries on the data-management tab.
#pragma once

// The register position, which is also the line of RegisterList, of the
// record last taken over into the fields; -1 when the list had no selection.
extern int SelectedIndex;
// 1 while the fields hold a record taken over from RegisterList, so that
// ApplyEntry changes it instead of adding one.
extern int EditingExisting;

// Takes the record selected in RegisterList over into the fields.
void SelectEntry();
// Stores the fields as a new record or into the one taken over, then sorts.
void ApplyEntry();
// Deletes the record taken over, after asking.
void DeleteEntry();
