#pragma once

#include <memory>
#include <string>

// Adds a record named `name` at the end of its list (a class, a race, a skill, an item of the
// shop) and returns it for the test to fill in.
template <typename Record> Record& AddRecord(const std::string& name) {
    auto record = std::make_unique<Record>();
    record->name = name;
    Record& added = *record;
    Record::AddTail(std::move(record));
    return added;
}
