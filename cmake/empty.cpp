// The component library is made of its layers; this unit only gives the target a source.
