#include "core/settings/option_table.h"

namespace tw {
namespace {

using enum OptionForm;
constexpr OptionGroup kForm = OptionGroup::kForm;
constexpr OptionGroup kWindow = OptionGroup::kWindow;

constexpr OptionRow Slot(std::string_view key, int slot) {
  return {.key = key, .group = kForm, .form = kColor, .slot = slot};
}
constexpr OptionRow Flag(std::string_view key, OptionGroup group, bool Options::*flag) {
  return {.key = key, .group = group, .form = kFlag, .flag = flag};
}
constexpr OptionRow Choice(std::string_view key, int Options::*number, int choice, int precedence) {
  return {.key = key,
          .group = kForm,
          .form = kChoice,
          .number = number,
          .choice = choice,
          .precedence = precedence};
}
constexpr OptionRow Index(std::string_view key, int Options::*number, int count) {
  return {.key = key, .group = kForm, .form = kIndex, .number = number, .count = count};
}

// The keys carry the names of the controls that once held the options, and
// other programs read them; the order is the one earlier versions wrote.
constexpr OptionRow kRows[] = {
    Slot("mempan1_Color", 0),
    Slot("mempan2_Color", 1),
    Slot("mempan3_Color", 2),
    Slot("mempan4_Color", 3),
    Slot("mempan5_Color", 4),
    Slot("mempan6_Color", 5),
    // The cross wins over the rectangle, as the menu resolved it.
    Choice("Cross1_Checked", &Options::crosshair, kCrossCrosshair, 0),
    Choice("Rectangle1_Checked", &Options::crosshair, kRectangleCrosshair, 1),
    Choice("None1_Checked", &Options::crosshair, kNoCrosshair, 2),
    Index("cbxDisplay_ItemIndex", &Options::notation, kNotationCount),
    Index("cbxZoom_ItemIndex", &Options::zoomIndex, kMaxZoom),
    // The larger block wins.
    Choice("Off1_Checked", &Options::averaging, 0, 2),
    Choice("N3x3Average1_Checked", &Options::averaging, 1, 1),
    Choice("N5x5Average1_Checked", &Options::averaging, 2, 0),
    Flag("UseText_Checked", kForm, &Options::textInFrame),
    Flag("AlwaysonTop1_Checked", kForm, &Options::alwaysOnTop),
    Flag("StayinSystemTray1_Checked", kForm, &Options::stayInTray),
    Flag("Showonlyhtmlcolors_Checked", kForm, &Options::htmlOnly),
    Index("FindClosestColor1_Tag", &Options::sortOrder, kSortOrderCount),
    Slot("mempan7_Color", 6),
    Slot("mempan8_Color", 7),
    Slot("mempan9_Color", 8),
    Slot("mempan10_Color", 9),
    Slot("mempan11_Color", 10),
    Slot("mempan12_Color", 11),
    {.key = "palettename", .group = kWindow, .form = kText, .text = &Options::paletteName},
    Flag("showtitle", kWindow, &Options::titleShown),
    Flag("uppercase", kWindow, &Options::upperCase),
    {.key = "layout", .group = kWindow, .form = kInteger, .number = &Options::layout},
};

// Sets the choice that `first`, the first mark of its option, and the other
// marks of that option leave after reading: each mark as the option's value
// had it, unless the file says otherwise.
void ReadChoice(const IniFile& ini, std::string_view section, const OptionRow& first,
                Options& options) {
  const OptionRow* winner = nullptr;
  const OptionRow* last = nullptr;
  for (const OptionRow& row : kRows) {
    if (row.form != kChoice || row.number != first.number) continue;
    const bool markedBefore = options.*row.number == row.choice;
    const Converted<bool> marked = ini.ReadBool(section, row.key, markedBefore);
    if ((marked.ok() ? marked.value() : markedBefore) &&
        (!winner || row.precedence < winner->precedence)) {
      winner = &row;
    }
    if (!last || row.precedence > last->precedence) last = &row;
  }
  options.*first.number = (winner ? winner : last)->choice;
}

bool FirstMarkOfItsChoice(const OptionRow& row) {
  for (const OptionRow& earlier : kRows) {
    if (&earlier == &row) return true;
    if (earlier.form == kChoice && earlier.number == row.number) return false;
  }
  return true;
}

// Stores a readable value; a report of an unreadable one goes to `errors`.
template <typename T>
void Take(const Converted<T>& value, T& option, std::vector<std::string>& errors) {
  if (value.ok()) {
    option = value.value();
  } else {
    errors.push_back(value.error());
  }
}

}  // namespace

std::span<const OptionRow> OptionRows() { return kRows; }

std::vector<std::string> ReadOptions(const IniFile& ini, std::string_view section,
                                     OptionGroup group, Options& options) {
  std::vector<std::string> errors;
  for (const OptionRow& row : kRows) {
    if (row.group != group) continue;
    switch (row.form) {
      case kColor: {
        TColor& slot = options.slotColors[static_cast<size_t>(row.slot)];
        Take(ini.ReadColor(section, row.key, slot), slot, errors);
        break;
      }
      case kFlag:
        Take(ini.ReadBool(section, row.key, options.*row.flag), options.*row.flag, errors);
        break;
      case kChoice:
        if (FirstMarkOfItsChoice(row)) ReadChoice(ini, section, row, options);
        break;
      case kIndex: {
        const Converted<std::int32_t> index = ini.ReadInteger(section, row.key, 0);
        if (ini.HasKey(section, row.key) && index.ok() && index.value() >= 0 &&
            index.value() < row.count) {
          options.*row.number = index.value();
        }
        break;
      }
      case kInteger:
        Take(ini.ReadInteger(section, row.key, options.*row.number), options.*row.number, errors);
        break;
      case kText:
        options.*row.text = ini.ReadString(section, row.key, options.*row.text);
        break;
    }
  }
  // The form's values are passed over without a word.
  if (group == OptionGroup::kForm) errors.clear();
  return errors;
}

void WriteOptions(const Options& options, OptionGroup group, std::string_view section,
                  IniFile& ini) {
  for (const OptionRow& row : kRows) {
    if (row.group != group) continue;
    switch (row.form) {
      case kColor:
        ini.WriteColor(section, row.key, options.slotColors[static_cast<size_t>(row.slot)]);
        break;
      case kFlag:
        ini.WriteBool(section, row.key, options.*row.flag);
        break;
      case kChoice:
        ini.WriteBool(section, row.key, options.*row.number == row.choice);
        break;
      case kIndex:
      case kInteger:
        ini.WriteInteger(section, row.key, options.*row.number);
        break;
      case kText:
        ini.WriteString(section, row.key, options.*row.text);
        break;
    }
  }
}

}  // namespace tw
