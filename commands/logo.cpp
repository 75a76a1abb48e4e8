// The logo window: placeholder until it lands.
