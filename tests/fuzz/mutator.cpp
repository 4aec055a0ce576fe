#include "mutator.h"

#include <array>
#include <string_view>

#include "random_source.h"

namespace tw::fuzz {
namespace {

// Keeps single inputs small enough for a quick run while still crossing the
// 64 KiB palette limit.
constexpr std::size_t kMaxInputBytes = 96 * 1024;

constexpr std::string_view kInterestingBytes{"\r\n\0 \t$-+x0=[];,\xFF\xFE\xEF\xBB\xBF\x80\x7F", 22};

constexpr std::array<std::string_view, 3> kByteOrderMarks = {"\xEF\xBB\xBF", "\xFF\xFE",
                                                             "\xFE\xFF"};

// Each byte as one UTF-16 code unit, so ASCII text stays readable.
std::string WidenToUtf16(std::string_view bytes, bool bigEndian) {
  std::string wide = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : bytes) {
    wide += bigEndian ? '\0' : c;
    wide += bigEndian ? c : '\0';
  }
  return wide;
}

class Edits {
 public:
  Edits(RandomSource& random, const std::vector<std::string>& seeds,
        const std::vector<std::string>& tokens)
      : random_(random), seeds_(seeds), tokens_(tokens) {}

  void ApplyOne(std::string& s) {
    switch (random_.Below(11)) {
      case 0:
        if (!s.empty()) s[Position(s)] ^= static_cast<char>(1 << random_.Below(8));
        break;
      case 1:
        if (!s.empty()) s[Position(s)] = static_cast<char>(random_.Below(256));
        break;
      case 2:
        if (!s.empty()) s[Position(s)] = kInterestingBytes[random_.Below(kInterestingBytes.size())];
        break;
      case 3:
        s.insert(InsertPosition(s), tokens_[random_.Below(tokens_.size())]);
        break;
      case 4:
        if (!s.empty()) s.erase(Position(s), 1 + random_.Below(32));
        break;
      case 5:
        s.insert(InsertPosition(s), Chunk(s));
        break;
      case 6:
        s.insert(InsertPosition(s), Chunk(seeds_[random_.Below(seeds_.size())]));
        break;
      case 7:
        s.insert(InsertPosition(s), RunLength(), kInterestingBytes[random_.Below(8)]);
        break;
      case 8:
        s.insert(0, kByteOrderMarks[random_.Below(kByteOrderMarks.size())]);
        break;
      case 9:
        s.resize(random_.Below(s.size() + 1));
        break;
      default:
        s = WidenToUtf16(s, random_.OneIn(2));
        break;
    }
  }

 private:
  std::size_t Position(const std::string& s) { return random_.Below(s.size()); }
  std::size_t InsertPosition(const std::string& s) { return random_.Below(s.size() + 1); }

  std::string Chunk(const std::string& s) {
    const std::size_t start = random_.Below(s.size() + 1);
    return s.substr(start, 1 + random_.Below(64));
  }

  // Mostly short; now and then long enough to push text past 64 KiB.
  std::size_t RunLength() {
    return random_.OneIn(16) ? 60000 + random_.Below(10000) : 1 + random_.Below(64);
  }

  RandomSource& random_;
  const std::vector<std::string>& seeds_;
  const std::vector<std::string>& tokens_;
};

}  // namespace

Mutator::Mutator(std::vector<std::string> seeds, std::vector<std::string> tokens)
    : seeds_(std::move(seeds)), tokens_(std::move(tokens)) {}

std::string Mutator::Input(std::uint64_t runSeed, std::uint64_t index) const {
  RandomSource random(runSeed * 0x100000001B3u ^ index);
  random.Next();
  std::string input = seeds_[random.Below(seeds_.size())];
  Edits edits(random, seeds_, tokens_);
  // Half the inputs stay close to their seed, so deep paths are reached too.
  const std::size_t count = random.OneIn(2) ? 1 : 2 + random.Below(7);
  for (std::size_t i = 0; i < count; ++i) {
    edits.ApplyOne(input);
    if (input.size() > kMaxInputBytes) input.resize(kMaxInputBytes);
  }
  return input;
}

}  // namespace tw::fuzz
