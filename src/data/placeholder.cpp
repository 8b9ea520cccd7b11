// placeholder until the layer's first unit lands
