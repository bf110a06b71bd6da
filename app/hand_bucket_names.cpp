#include "app/hand_bucket_names.h"

#include <QtGlobal>

namespace quendal_app {

const std::vector<const char*>& translatable_hand_bucket_names() {
    static const std::vector<const char*> names = {
        QT_TRANSLATE_NOOP("HandBuckets", "straight flush"),
        QT_TRANSLATE_NOOP("HandBuckets", "quads"),
        QT_TRANSLATE_NOOP("HandBuckets", "full house"),
        QT_TRANSLATE_NOOP("HandBuckets", "flush"),
        QT_TRANSLATE_NOOP("HandBuckets", "straight"),
        QT_TRANSLATE_NOOP("HandBuckets", "set"),
        QT_TRANSLATE_NOOP("HandBuckets", "trips"),
        QT_TRANSLATE_NOOP("HandBuckets", "two pair"),
        QT_TRANSLATE_NOOP("HandBuckets", "top pair"),
        QT_TRANSLATE_NOOP("HandBuckets", "overpair"),
        QT_TRANSLATE_NOOP("HandBuckets", "middle pair"),
        QT_TRANSLATE_NOOP("HandBuckets", "bottom pair"),
        QT_TRANSLATE_NOOP("HandBuckets", "dry pair"),
        QT_TRANSLATE_NOOP("HandBuckets", "flush draw"),
        QT_TRANSLATE_NOOP("HandBuckets", "missed FD"),
        QT_TRANSLATE_NOOP("HandBuckets", "open ended straight draw"),
        QT_TRANSLATE_NOOP("HandBuckets", "missed OESD"),
        QT_TRANSLATE_NOOP("HandBuckets", "gutter"),
        QT_TRANSLATE_NOOP("HandBuckets", "missed gutter"),
        QT_TRANSLATE_NOOP("HandBuckets", "back door flush draw"),
        QT_TRANSLATE_NOOP("HandBuckets", "air"),
    };
    return names;
}

}  // namespace quendal_app
