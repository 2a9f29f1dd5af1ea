/* Built into a folder the driver libraries do not search, so loading them fails. */
int test_missing_dependency(void) {
    return 1;
}
