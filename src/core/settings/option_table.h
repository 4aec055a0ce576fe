#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ini_file.h"
#include "core/settings/options.h"

namespace tw {

// When an option is read and how a value that cannot be used is met.
enum class OptionGroup {
  // Restored at the window's first show and saved with its position; a
  // value that cannot be read or lies out of range is passed over silently.
  kForm,
  // The window's own, read when it is built; a value that cannot be read is
  // reported.
  kWindow,
};

enum class OptionForm {
  kColor,   // one palette slot
  kFlag,    // on or off
  kChoice,  // one check mark of a choice: set while the option has this value
  kIndex,   // 0 … count − 1
  kInteger,
  kText,
};

// One key of the settings file and the option it holds.
struct OptionRow {
  std::string_view key;
  OptionGroup group;
  OptionForm form;
  bool Options::*flag = nullptr;
  int Options::*number = nullptr;  // kChoice, kIndex, kInteger
  std::string Options::*text = nullptr;
  int slot = 0;    // kColor
  int choice = 0;  // kChoice: the value this mark stands for
  // kChoice: when a file sets several marks of one choice, the lowest wins;
  // when it sets none, the highest.
  int precedence = 0;
  int count = 0;  // kIndex
};

// Every stored option, in the order in which a new settings file holds them.
std::span<const OptionRow> OptionRows();

// Reads the group's keys of `section` into `options`; an absent key, and one
// whose value cannot be used, keeps what `options` holds. Answers the reports
// of the window group's unreadable values, in table order.
std::vector<std::string> ReadOptions(const IniFile& ini, std::string_view section,
                                     OptionGroup group, Options& options);
void WriteOptions(const Options& options, OptionGroup group, std::string_view section,
                  IniFile& ini);

}  // namespace tw
