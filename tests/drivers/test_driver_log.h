/* Call recording shared by the driver libraries built for the tests. */
#ifndef VARDEN_TEST_DRIVER_LOG_H
#define VARDEN_TEST_DRIVER_LOG_H

#include "core/drivers/driver_abi.h"

/* Appends "<family>.<name>(<unit>)" (or "<family>.<name>()" for unit < 0) to the file named by
 * VARDEN_TEST_CALL_LOG, when it is set. */
void test_driver_log(const char* name, int unit);

/* The device count of this family: VARDEN_TEST_<FAMILY>_COUNT, or the default. */
int test_driver_device_count(void);

/* Whether the unit is listed in VARDEN_TEST_<FAMILY>_ACTIVE (comma-separated units). */
int test_driver_unit_active(unsigned short unit);

#endif
