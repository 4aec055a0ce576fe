#include "core/instances/instance_names.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(InstanceNames, AreDerivedFromThePathSessionAndAccount) {
  const InstanceObjectNames names =
      MakeInstanceObjectNames("C:\\TOOLS\\TINTWRIGHT.EXE", 3, "alice", "WORKGROUP");
  EXPECT_EQ(names.base, "JCLC:_TOOLS_TINTWRIGHT.EXE");
  EXPECT_EQ(names.message, "JCLC:_TOOLS_TINTWRIGHT.EXE_Msg");
  EXPECT_EQ(names.lock, "JCLC:_TOOLS_TINTWRIGHT.EXE_Otx");
  EXPECT_EQ(names.lockEvent, "Optex_Event_JCLC:_TOOLS_TINTWRIGHT.EXE_Otx");
  EXPECT_EQ(names.lockRecord, "Optex_MMF_JCLC:_TOOLS_TINTWRIGHT.EXE_Otx");
  EXPECT_EQ(names.allList, "JCLC:_TOOLS_TINTWRIGHT.EXE_All");
  EXPECT_EQ(names.sessionList, "JCLC:_TOOLS_TINTWRIGHT.EXE_Session_3");
  EXPECT_EQ(names.userList, "JCLC:_TOOLS_TINTWRIGHT.EXE_User_alice_WORKGROUP");
}

TEST(InstanceNames, KeepEveryOtherCharacterOfThePath) {
  // UTF-8 passes through byte for byte; only the folder separator changes.
  const InstanceObjectNames names =
      MakeInstanceObjectNames("\\\\SERVER\\SHARE\\FARBT\xC3\x96NE 2\\T.EXE", 0, "", "");
  EXPECT_EQ(names.base, "JCL__SERVER_SHARE_FARBT\xC3\x96NE 2_T.EXE");
  EXPECT_EQ(names.sessionList, names.base + "_Session_0");
  EXPECT_EQ(names.userList, names.base + "_User__");
}

}  // namespace
}  // namespace tw
