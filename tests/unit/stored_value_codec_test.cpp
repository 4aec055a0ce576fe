#include "core/settings/stored_value_codec.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(StoredValueCodec, RoundTripsAnyTextAsLowerCaseHex) {
  const std::string texts[] = {"", "my palette.plt", "Caf\xC3\xA9 Noir.plt", std::string("a\0b", 3),
                               "longer than the eleven-byte key, so the key repeats"};
  for (const std::string& text : texts) {
    const std::string encoded = EncodeStoredValue(text);
    EXPECT_EQ(encoded.size(), text.size() * 2);
    EXPECT_EQ(encoded.find_first_not_of("0123456789abcdef"), std::string::npos) << encoded;
    EXPECT_EQ(DecodeStoredValue(encoded), text);
  }
}

TEST(StoredValueCodec, EachByteDependsOnItsPositionInTheKey) {
  // The same letter at different places encodes differently.
  const std::string encoded = EncodeStoredValue("aa");
  EXPECT_NE(encoded.substr(0, 2), encoded.substr(2, 2));
}

TEST(StoredValueCodec, DecodingNeverFailsOnForeignText) {
  const std::string good = EncodeStoredValue("ok");
  EXPECT_EQ(DecodeStoredValue(good + "f"), "ok") << "an odd last digit is passed over";
  EXPECT_EQ(DecodeStoredValue("zz" + good.substr(2)), "k")
      << "a pair that is no number is passed over";
  EXPECT_EQ(DecodeStoredValue("plain name.plt").size(), 0u);
  EXPECT_EQ(DecodeStoredValue(""), "");
}

}  // namespace
}  // namespace tw
