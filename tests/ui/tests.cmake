# The test program of src/ui (paths relative to tests/).
