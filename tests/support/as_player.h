// Files seen as a player sees them, even when the tests run as root.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kr::test {

// While it lives, root's exemption from file permissions is set aside: read-only files and
// folders are read-only for this process, as they are for a player. Nothing changes for
// an ordinary user, who has no such exemption.
class AsPlayer {
 public:
  AsPlayer() {
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
  }
  ~AsPlayer() {
    if (lowered_) ::syscall(SYS_capset, &header_, saved_);
  }
  AsPlayer(const AsPlayer&) = delete;
  AsPlayer& operator=(const AsPlayer&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool lowered_ = false;
};

}  // namespace kr::test
