# Installing the game and packaging it.
