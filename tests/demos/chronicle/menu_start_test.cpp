int placeholder_main_6511;
