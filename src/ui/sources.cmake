# Sources of src/ui (paths relative to src/).
