int placeholder_main_20822;
