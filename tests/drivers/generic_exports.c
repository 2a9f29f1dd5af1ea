/* Every export of one family, recording its call and answering 0. The behaviour file replaces
 * the few entries whose answers matter (weak definitions give way to those). */
#include "test_driver_log.h"

#define TEST_GENERIC_EXPORT(ret, name, params)            \
    DRIVER_EXPORT __attribute__((weak)) ret name params { \
        test_driver_log(#name, -1);                       \
        return 0;                                         \
    }

#if defined(TEST_FAMILY_IS_LAMP)
LAMP_API_ENTRIES(TEST_GENERIC_EXPORT)
#elif defined(TEST_FAMILY_IS_METER)
METER_API_ENTRIES(TEST_GENERIC_EXPORT)
#else
LED_API_ENTRIES(TEST_GENERIC_EXPORT)
#endif
