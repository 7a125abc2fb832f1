// test helpers
