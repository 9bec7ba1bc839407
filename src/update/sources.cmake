# Sources of src/update (paths relative to src/).
