// The names of the hand buckets of the session, marked for translation in
// the context "HandBuckets" the controller translates them with.
#pragma once

#include <vector>

namespace quendal_app {

const std::vector<const char*>& translatable_hand_bucket_names();

}  // namespace quendal_app
