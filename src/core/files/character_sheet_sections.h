#pragma once

#include <ostream>
#include <span>
#include <string>

// The sections of the character sheet, each written from the current character.
using SheetSectionWriter = void (*)(std::ostream& out);

// All twelve, in page order.
std::span<const SheetSectionWriter> SheetSections();

// The figures sections (character_sheet_figures.cpp).
void WriteInformationSection(std::ostream& out);
void WriteAbilitiesSection(std::ostream& out);
void WriteHitPointsSection(std::ostream& out);
void WriteExperienceSection(std::ostream& out);
void WriteSavingThrowsSection(std::ostream& out);
void WriteMovementSection(std::ostream& out);

// The list sections (character_sheet_lists.cpp).
void WriteRacialSection(std::ostream& out);
void WriteSpellsSection(std::ostream& out);
void WriteQuirksSection(std::ostream& out);
void WriteSkillsSection(std::ostream& out);
void WriteInventorySection(std::ostream& out);
void WriteFamilySection(std::ostream& out);

// The shop category an owned piece of equipment is listed under: the category of the
// equipment record of exactly that name, or "" when the data does not place it.
std::string EquipmentCategoryOf(const std::string& item_name);
