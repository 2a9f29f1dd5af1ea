/* The answers that binding, start-up and shutdown depend on. */
#include "core/drivers/version_note.h"
#include "test_driver_log.h"

#if defined(TEST_NO_VERSION_NOTE)
/* No version record at all. */
#elif defined(TEST_SHORT_VERSION_NOTE)
/* A version record of the wrong size. */
__attribute__((section(FILE_VERSION_NOTE_SECTION), used, aligned(4))) static const struct {
    uint32_t nameSize, descriptorSize, type;
    char name[12];
    uint32_t record[12];
} shortNote = {12u,
               48u,
               FILE_VERSION_NOTE_TYPE,
               FILE_VERSION_NOTE_OWNER,
               {FILE_VERSION_SIGNATURE, 0x10000u, 0x10001u}};
#else
DRIVER_FILE_VERSION(TEST_VERSION_MAJOR, TEST_VERSION_MINOR);
#endif

#if defined(TEST_NEEDS_MISSING_LIBRARY)
/* Defined in a library that is not there at run time. */
int test_missing_dependency(void);
DRIVER_EXPORT int DataReadyDependency(void) {
    return test_missing_dependency();
}
#endif

DRIVER_EXPORT int GetNumDevicesConnected(void) {
    test_driver_log("GetNumDevicesConnected", -1);
    return test_driver_device_count();
}

DRIVER_EXPORT int UpdateData(void) {
    test_driver_log("UpdateData", -1);
    return 1;
}

DRIVER_EXPORT int DeviceActive(unsigned short unit) {
    test_driver_log("DeviceActive", unit);
    return test_driver_unit_active(unit);
}

#define TEST_LOGGED_UNIT_CALL(name)               \
    DRIVER_EXPORT int name(unsigned short unit) { \
        test_driver_log(#name, unit);             \
        return 1;                                 \
    }

#if defined(TEST_FAMILY_IS_METER)
TEST_LOGGED_UNIT_CALL(SetHexMode)
DRIVER_EXPORT int GetFiveFreqSetPoints(unsigned short unit, unsigned short* a, unsigned short* b,
                                       unsigned short* c, unsigned short* d, unsigned short* e) {
    test_driver_log("GetFiveFreqSetPoints", unit);
    *a = 405, *b = 488, *c = 561, *d = 640, *e = 0;
    return 1;
}
#else
TEST_LOGGED_UNIT_CALL(DisableShutterControl)
TEST_LOGGED_UNIT_CALL(DisconnectPC)
TEST_LOGGED_UNIT_CALL(SendIdentify)
#endif
#if defined(TEST_FAMILY_IS_LAMP)
TEST_LOGGED_UNIT_CALL(Identify)
#endif
